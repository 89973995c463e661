#pragma once

#include <QPointer>
#include <QWidget>

/// One of the program's dialogs, made on first use rather than at start: building them all up front
/// delays the first window. Reads like the pointer it replaces; nullptr while no owner is set.
template <class T> class LazyDialog {
public:
    /// The widget that owns the dialog once it is made; nullptr forgets the dialog (the owner frees it).
    void setOwner(QWidget* owner) {
        m_owner = owner;
        m_form.clear();
    }

    T* get() const {
        if (!m_form && m_owner)
            m_form = new T(m_owner);
        return m_form.data();
    }
    operator T*() const { return get(); }
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }

private:
    QPointer<QWidget> m_owner;
    mutable QPointer<T> m_form;
};
