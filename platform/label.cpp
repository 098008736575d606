#include "label.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <cmath>
#include <limits>

namespace {
// Smaller text is no longer readable; a caption that fits at no size down
// to this one is drawn at the label's own size.
constexpr int SmallestPixelSize = 7;

// Lays the text out in lines of the given width, breaking words only where
// they are longer than a line, and returns the height the lines take.
qreal layOutAnywhere(QTextLayout &layout, int width, Qt::Alignment alignment)
{
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}
} // namespace

Label::Label(QWidget *parent) : QLabel(parent)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void Label::setForeColor(Color color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, toQColor(color));
    setPalette(colors);
}

void Label::setBackColor(Color color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Window, toQColor(color));
    setPalette(colors);
    setAutoFillBackground(true);
}

int Label::flags() const
{
    return int(alignment()) | Qt::TextWordWrap;
}

QFont Label::captionFont() const
{
    if (m_wrapAnywhere)
        return font();
    // Measured once for a caption, a font and a size: every size tried
    // loads a font of its own.
    const QRect area = contentsRect();
    if (m_fitted.text == text() && m_fitted.font == font() && m_fitted.area == area)
        return m_fitted.result;
    QFont fitted = font();
    bool found = false;
    for (int size = QFontInfo(font()).pixelSize(); size >= SmallestPixelSize && !found; --size) {
        fitted.setPixelSize(size);
        const QRect needed = QFontMetrics(fitted).boundingRect(area, flags(), text());
        found = needed.width() <= area.width() && needed.height() <= area.height();
    }
    if (!found)
        fitted = font();
    m_fitted = {text(), font(), area, fitted};
    return fitted;
}

int Label::heightForWidth(int width) const
{
    if (!m_wrapAnywhere)
        return QFontMetrics(font()).boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), flags(), text()).height();
    QTextLayout layout(text(), font());
    return int(std::ceil(layOutAnywhere(layout, width, alignment())));
}

void Label::paintEvent(QPaintEvent *)
{
    const QRect area = contentsRect();
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    if (m_wrapAnywhere) {
        QTextLayout layout(text(), font());
        layOutAnywhere(layout, area.width(), alignment());
        layout.draw(&painter, area.topLeft());
    } else {
        painter.setFont(captionFont());
        painter.drawText(area, flags(), text());
    }
}

void Label::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void fitTogether(std::initializer_list<Label *> labels)
{
    QFont common;
    int smallest = std::numeric_limits<int>::max();
    for (const Label *label : labels) {
        const QFont fitted = label->captionFont();
        if (QFontInfo(fitted).pixelSize() < smallest) {
            smallest = QFontInfo(fitted).pixelSize();
            common = fitted;
        }
    }
    for (Label *label : labels)
        label->setFont(common);
}
