#pragma once

// A top-level window. Its client area is a drawing surface, the parent of
// its controls; a menu bar, when the window has menus, stands above it.
//
// A window is created and loaded on first reference through a FormRef;
// unloading runs the window's unload handler, hides it and lets the FormRef
// create a new one on the next reference.

#include "picturebox.h"

#include <QWidget>
#include <functional>

class QMenuBar;
class QVBoxLayout;

enum class BorderStyle { None, FixedSingle, Sizable };
enum class WindowState { Normal, Maximized };

class Form : public QWidget
{
    Q_OBJECT
public:
    // Design name, caption, client size in twips and border style.
    Form(const QString &name, const QString &caption, int clientWidth, int clientHeight, BorderStyle border);

    void setCaption(const QString &caption) { setWindowTitle(caption); }
    QString caption() const { return windowTitle(); }
    void setBorderStyle(BorderStyle border);
    // Maximised: the window fills the screen's free area, as the program's
    // borderless windows use it; set by its geometry rather than asked of a
    // window manager, which would answer in its own time and could leave a
    // window switched quickly back and forth maximised or moved. Normal:
    // back to the size and place it had before.
    void setWindowState(WindowState state);
    WindowState windowState() const { return m_windowState; }
    // Shows the window; one that was hidden is waited for, handling events,
    // until the window system has put it on the screen (a quarter second at
    // most), so that it has the size it is shown with: a window manager
    // maximises a window only as it maps it.
    void showOnScreen();
    // Places the window's upper-left corner on the screen, in twips.
    void moveTo(int left, int top);

    // The client area: the parent of the controls and a drawing surface.
    PictureBox &client() { return *m_client; }
    Surface &surface() { return m_client->surface(); }
    void setBackColor(Color color) { m_client->setBackColor(color); }
    int clientPixelWidth() const { return m_client->width(); }
    int clientPixelHeight() const { return m_client->height(); }

    QMenuBar &menuBar();

    // Runs the unload handler, hides the window and discards it.
    void unload();

    // Called once by the FormRef that created the window.
    void load(std::function<void()> forget);

    void setVisible(bool visible) override;

signals:
    void clicked();
    void keyPressed(int charCode);
    void resized();

protected:
    virtual void onLoad() {}
    virtual void onUnload() {}

    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void sizeToDesign();
    // Where a window manager puts a sizable window's client area within its
    // frame, read off such a window on the screen (none when there is none).
    static QPoint sizableClientOffset();

    QVBoxLayout *m_layout;
    PictureBox *m_client;
    QMenuBar *m_menuBar = nullptr;
    QSize m_designClientSize;
    WindowState m_windowState = WindowState::Normal;
    QRect m_normalGeometry;
    BorderStyle m_border = BorderStyle::Sizable;
    bool m_sized = false;
    bool m_unloading = false;
    std::function<void()> m_forget;
};
