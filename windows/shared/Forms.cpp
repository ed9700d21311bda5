#include "windows/shared/Forms.h"

namespace Forms {
namespace {

std::vector<QPointer<QWidget>>& registry() {
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}

}  // namespace

void Register(QWidget* form) { registry().emplace_back(form); }

void Forget(QWidget* form) {
    std::erase_if(registry(), [form](const QPointer<QWidget>& window) { return window.isNull() || window == form; });
}

std::vector<QPointer<QWidget>> LoadedWindows() {
    std::vector<QPointer<QWidget>> loaded;
    for (const QPointer<QWidget>& window : registry()) {
        if (window) loaded.push_back(window);
    }
    return loaded;
}

}  // namespace Forms
