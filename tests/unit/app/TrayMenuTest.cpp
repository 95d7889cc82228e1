// The tray menu as the main dialog leaves it, read inside the dialog's own
// process (another process cannot read a menu): the dialog runs here on the
// program's own resources.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "app/CPinDlg.h"
#include "common/SharedContract.h"
#include "res/resource.h"

namespace {

struct MenuLook {
    bool showGrayed;
    UINT defaultItem;
};

// The real dialog. Once up, it opens its tray menu at start, after a
// restore from the tray and after hiding to it, reads the menu each time it
// waits for a choice, and ends.
class TrayMenuReader : public CPinDlg {
public:
    std::vector<MenuLook> looks;

    BOOL OnInitDialog() override {
        const BOOL focus = CPinDlg::OnInitDialog();
        PostMessage(WM_APP);
        return focus;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU && m_reading) {
            m_reading = false;
            looks.push_back({(::GetMenuState(*m_pTrayPopup, ID_TRAY_SHOW, MF_BYCOMMAND) & MF_GRAYED) != 0,
                             ::GetMenuDefaultItem(*m_pTrayPopup, FALSE, GMDI_USEDISABLED)});
            ::EndMenu();
        } else if (message == WM_APP) {
            OpenTrayMenu();
            SendMessage(contract::kTrayCallbackMessage, contract::kTrayIconId, WM_LBUTTONUP);
            OpenTrayMenu();
            SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
            OpenTrayMenu();
            PostMessage(WM_COMMAND, ID_TRAY_EXIT);
            return 0;
        }
        return CPinDlg::WindowProc(message, wParam, lParam);
    }

private:
    void OpenTrayMenu() {
        m_reading = true;
        SendMessage(contract::kTrayCallbackMessage, contract::kTrayIconId, WM_RBUTTONUP);
    }

    bool m_reading = false;
};

TEST(TrayMenu, ShowIsGrayedOnlyWhileTheDialogIsRestoredAndIsTheDefaultItem) {
    TrayMenuReader dialog;
    dialog.DoModal();
    ASSERT_EQ(dialog.looks.size(), 3u);
    EXPECT_FALSE(dialog.looks[0].showGrayed) << "at start";
    EXPECT_TRUE(dialog.looks[1].showGrayed) << "shown after a restore";
    EXPECT_FALSE(dialog.looks[2].showGrayed) << "hidden again";
    for (const MenuLook& look : dialog.looks) EXPECT_EQ(look.defaultItem, UINT{ID_TRAY_SHOW});
}

}  // namespace
