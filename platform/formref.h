#pragma once

// The one global instance of a window: the first reference creates the
// window and runs its load handler without showing it; after the window has
// been unloaded, the next reference creates and loads it anew.

template <class Window>
class FormRef
{
public:
    Window *operator->() { return &get(); }
    Window &operator*() { return get(); }

    Window &get()
    {
        if (!m_window) {
            // The handle holds the window before its load handler runs, so
            // that the handler and whatever it calls can refer to it.
            m_window = new Window;
            m_window->load([this] { m_window = nullptr; });
        }
        return *m_window;
    }

    bool isLoaded() const { return m_window != nullptr; }
    // The window if it is loaded; a reference that does not load it.
    Window *loaded() const { return m_window; }

    // Unloads a loaded window; a window that is not loaded stays so.
    void unload()
    {
        if (m_window)
            m_window->unload();
    }

private:
    Window *m_window = nullptr;
};
