#include "windows/Closing.h"

#include "web/frmNagScreen2.h"
#include "windows/shared/Forms.h"

void ShowExitScreen() { Forms::Load<frmNagScreen2>().show(); }

void HideExitScreen() { Forms::Load<frmNagScreen2>().hide(); }

bool ExitScreenVisible() {
    const frmNagScreen2* screen = Forms::Loaded<frmNagScreen2>();
    return screen && screen->isVisible();
}

QWidget* ExitScreen() { return Forms::Loaded<frmNagScreen2>(); }
