#include "form.h"

#include "system.h"
#include "twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScreen>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWindow>

Form::Form(const QString &name, const QString &caption, int clientWidth, int clientHeight, BorderStyle border)
    : m_layout(new QVBoxLayout(this)), m_client(new PictureBox(this)),
      m_designClientSize(twipsToPixels(clientWidth), twipsToPixels(clientHeight))
{
    setObjectName(name);
    m_client->setObjectName(name);
    // The design sizes and positions are made for the classic 8-point
    // dialog font; larger desktop fonts would not fit the labels.
    QFont designFont = font();
    designFont.setPixelSize(11);
    designFont.setStretch(QFont::SemiCondensed);
    setFont(designFont);
    setWindowTitle(caption);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_client);
    m_client->resize(m_designClientSize);
    connect(m_client, &PictureBox::clicked, this, &Form::clicked);
    connect(m_client, &PictureBox::resized, this, &Form::resized);
    setBorderStyle(border);
}

void Form::setBorderStyle(BorderStyle border)
{
    m_border = border;
    const bool wasVisible = isVisible();
    // New flags make a new native window, which would be placed by its
    // frame: a window that has been on the screen keeps its client area
    // where it was.
    const bool placed = testAttribute(Qt::WA_WState_Created);
    const QRect place = geometry();
    switch (border) {
    case BorderStyle::None:
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        break;
    case BorderStyle::FixedSingle:
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                       Qt::MSWindowsFixedSizeDialogHint);
        break;
    case BorderStyle::Sizable:
        setWindowFlags(Qt::Window);
        break;
    }
    if (border == BorderStyle::FixedSingle) {
        m_client->setFixedSize(m_designClientSize);
        m_layout->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        m_client->setMinimumSize(0, 0);
        m_client->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_layout->setSizeConstraint(QLayout::SetDefaultConstraint);
    }
    if (placed)
        setGeometry(place);
    if (wasVisible)
        show();
}

QPoint Form::sizableClientOffset()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        const auto *form = qobject_cast<Form *>(window);
        if (form && form->isVisible() && form->m_border == BorderStyle::Sizable)
            return form->geometry().topLeft() - form->frameGeometry().topLeft();
    }
    return {};
}

void Form::setWindowState(WindowState state)
{
    if (state == m_windowState)
        return;
    m_windowState = state;
    if (state == WindowState::Maximized) {
        sizeToDesign();
        m_normalGeometry = geometry();
        // A window never shown has only the place asked for its frame; its
        // client area will lie inside a frame like those around the other
        // sizable windows.
        if (!testAttribute(Qt::WA_WState_Created))
            m_normalGeometry.translate(sizableClientOffset());
        setGeometry(screen()->availableGeometry());
    } else {
        setGeometry(m_normalGeometry);
    }
}

void Form::showOnScreen()
{
    if (isVisible())
        return;
    show();
    QElapsedTimer waited;
    waited.start();
    constexpr int LongestWait = 250; // milliseconds
    while (isVisible() && windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < LongestWait)
        WaitForEvents(int(LongestWait - waited.elapsed()));
}

void Form::moveTo(int left, int top)
{
    move(twipsToPixels(left), twipsToPixels(top));
}

QMenuBar &Form::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_layout->setMenuBar(m_menuBar);
    }
    return *m_menuBar;
}

void Form::setVisible(bool visible)
{
    if (visible)
        sizeToDesign();
    QWidget::setVisible(visible);
}

void Form::sizeToDesign()
{
    if (m_sized)
        return;
    // The design gives the client area; the window grows by its menu bar.
    const int menuHeight = m_menuBar ? m_menuBar->sizeHint().height() : 0;
    resize(m_designClientSize + QSize(0, menuHeight));
    m_sized = true;
}

void Form::load(std::function<void()> forget)
{
    m_forget = std::move(forget);
    onLoad();
}

void Form::unload()
{
    if (m_unloading)
        return;
    m_unloading = true;
    onUnload();
    hide();
    if (m_forget)
        m_forget();
    deleteWhenIdle(this);
}

void Form::closeEvent(QCloseEvent *event)
{
    event->ignore();
    unload();
}

void Form::keyPressEvent(QKeyEvent *event)
{
    if (!event->text().isEmpty())
        emit keyPressed(event->text().at(0).unicode());
    QWidget::keyPressEvent(event);
}
