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

// Breaks the text into lines of the given width and returns the size they
// take. Lines stand on the font's whole-pixel line pitch, as in every other
// text that Qt measures.
QSizeF layOut(QTextLayout &layout, int width, QTextOption::WrapMode wrap, Qt::Alignment alignment)
{
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(wrap);
    layout.setTextOption(option);
    const QFontMetrics metrics(layout.font());
    int lines = 0;
    qreal widest = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, lines * metrics.lineSpacing()));
        widest = std::max(widest, line.naturalTextWidth());
        ++lines;
    }
    layout.endLayout();
    return QSizeF(widest, lines == 0 ? 0 : (lines - 1) * metrics.lineSpacing() + metrics.height());
}

QTextOption::WrapMode wrapMode(bool anywhere)
{
    return anywhere ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::WordWrap;
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

QFont Label::captionFont() const
{
    QFont fitted = font();
    if (m_wrapAnywhere)
        return fitted;
    const QSize area = contentsRect().size();
    for (int size = QFontInfo(font()).pixelSize(); size >= SmallestPixelSize; --size) {
        fitted.setPixelSize(size);
        QTextLayout layout(text(), fitted);
        const QSizeF needed = layOut(layout, area.width(), QTextOption::WordWrap, alignment());
        if (needed.width() <= area.width() && needed.height() <= area.height())
            return fitted;
    }
    return font();
}

int Label::heightForWidth(int width) const
{
    QTextLayout layout(text(), font());
    return int(std::ceil(layOut(layout, width, wrapMode(m_wrapAnywhere), alignment()).height()));
}

void Label::paintEvent(QPaintEvent *)
{
    const QRect area = contentsRect();
    QTextLayout layout(text(), captionFont());
    layOut(layout, area.width(), wrapMode(m_wrapAnywhere), alignment());
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, area.topLeft());
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
