#pragma once
// Windows are loaded on first reference and unloaded when closed: showing,
// hiding or touching a window that is not loaded builds it afresh from its
// layout. A closed window deletes itself (Qt::WA_DeleteOnClose); its slot is
// emptied as it closes, so the next reference gets a new one.

#include <QPointer>
#include <QWidget>

#include <vector>

namespace Forms {

template <class Form>
QPointer<Form>& Slot() {
    static QPointer<Form> form;
    return form;
}

// Every loaded window, in the order they were loaded.
std::vector<QPointer<QWidget>> LoadedWindows();

// Counts a window among the loaded ones, until it is unloaded or destroyed.
void Register(QWidget* form);
void Forget(QWidget* form);

// The loaded window, built (but not shown) if it is not loaded yet.
template <class Form>
Form& Load() {
    QPointer<Form>& slot = Slot<Form>();
    if (slot.isNull()) {
        slot = new Form();  // top-level; deletes itself when closed
        Register(slot.data());
    }
    return *slot;
}

// Shows the window, loading it first if need be.
template <class Form>
Form& Show() {
    Form& form = Load<Form>();
    form.show();
    return form;
}

// The loaded window, or nullptr.
template <class Form>
Form* Loaded() {
    return Slot<Form>().data();
}

// Called by a window as it closes: it no longer counts as loaded.
template <class Form>
void Unloaded(Form* form) {
    if (Slot<Form>() == form) Slot<Form>() = nullptr;
    Forget(form);
}

// Prepares a top-level window to be unloaded by closing it.
inline void MakeUnloadable(QWidget* form) { form->setAttribute(Qt::WA_DeleteOnClose); }

}  // namespace Forms
