// Modal dialogs from templates, dialog item numbers, menus, file dialogs
// and message boxes.
#include <cstring>

#include "test_window.h"

namespace {

class DialogsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        hwnd_ = Open();
        current_ = this;
    }
    // A dialog procedure that fills edit 1007 and ends on OK or Cancel.
    static INT_PTR Proc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
        current_->dialogMessages_.push_back(msg);
        if (msg == WM_INITDIALOG) {
            current_->initParam_ = lParam;
            SetDlgItemInt(dialog, 1007, 8, FALSE);
            return TRUE;
        }
        if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
            EndDialog(dialog, LOWORD(wParam) == IDOK ? 10 : 20);
            return TRUE;
        }
        return FALSE;
    }
    // Reads the number in edit 1001 after setting its text.
    static std::pair<UINT, BOOL> Read(DialogState& d, const char* text, BOOL isSigned) {
        SetDlgItemTextA(d.hwnd, 1001, text);
        BOOL ok = -1;
        const UINT value = GetDlgItemInt(d.hwnd, 1001, &ok, isSigned);
        return {value, ok};
    }
    HWND hwnd_ = nullptr;
    std::vector<UINT> dialogMessages_;
    LPARAM initParam_ = 0;
    static inline DialogsTest* current_ = nullptr;
};

TEST_F(DialogsTest, DialogHoldsTemplateItemsAndEndsWithTheProcedureResult) {
    std::vector<int> ids;
    std::string edit;
    session_.AnswerDialog([&](DialogState& d) {
        for (const DialogItem& item : d.items) ids.push_back(item.control->id);
        edit = d.Item(1007)->text;
        EXPECT_NE(d.hwnd, hwnd_);
        d.Command(IDOK);
    });
    EXPECT_EQ(DialogBoxParamA(nullptr, "DIALOG_WVLOOP", hwnd_, Proc, 77), 10);
    EXPECT_EQ(initParam_, 77);
    EXPECT_EQ(edit, "8");
    ASSERT_GE(ids.size(), 9u);
    EXPECT_EQ(ids[0], IDOK);  // template order
    EXPECT_EQ(ids[1], IDCANCEL);
    EXPECT_EQ(ids[2], 1007);
    EXPECT_EQ(dialogMessages_.front(), WM_INITDIALOG);
    EXPECT_EQ(session_.CallsStartingWith("DialogBoxParamA").back(), "DialogBoxParamA(DIALOG_WVLOOP)");
}

TEST_F(DialogsTest, UnscriptedDialogIsCancelledAndIgnoredCancelEndsWithZero) {
    EXPECT_EQ(DialogBoxParamA(nullptr, "DIALOG_WVSPEED", hwnd_, Proc, 0), 20);
    auto ignoring = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; };
    EXPECT_EQ(DialogBoxParamA(nullptr, "DIALOG_BRIEF", hwnd_, ignoring, 0), 0);
    EXPECT_EQ(DialogBoxParamA(nullptr, "NO_SUCH_DIALOG", hwnd_, Proc, 0), -1);
}

TEST_F(DialogsTest, UnsignedItemNumbersAcceptOnlyBlanksThenDigits) {
    session_.AnswerDialog([](DialogState& d) {
        EXPECT_EQ(Read(d, "abc", FALSE), std::make_pair(0u, FALSE));
        EXPECT_EQ(Read(d, "-5", FALSE), std::make_pair(0u, FALSE));
        EXPECT_EQ(Read(d, "4294967296", FALSE), std::make_pair(0u, FALSE));
        EXPECT_EQ(Read(d, "4294967295", FALSE), std::make_pair(4294967295u, TRUE));
        EXPECT_EQ(Read(d, " 12", FALSE), std::make_pair(12u, TRUE));
        EXPECT_EQ(Read(d, "12 ", FALSE), std::make_pair(0u, FALSE));
        EXPECT_EQ(Read(d, "12abc", FALSE), std::make_pair(0u, FALSE));
        EXPECT_EQ(Read(d, "", FALSE), std::make_pair(0u, FALSE));
        d.Command(IDOK);
    });
    DialogBoxParamA(nullptr, "DIALOG_WVLOOP", hwnd_, Proc, 0);
}

TEST_F(DialogsTest, SignedItemNumbersTakeALeadingMinusWithinRange) {
    session_.AnswerDialog([](DialogState& d) {
        EXPECT_EQ(Read(d, "-5", TRUE), std::make_pair(static_cast<UINT>(-5), TRUE));
        EXPECT_EQ(Read(d, "-2147483648", TRUE), std::make_pair(0x80000000u, TRUE));
        EXPECT_EQ(Read(d, "2147483648", TRUE), std::make_pair(0u, FALSE));
        EXPECT_EQ(Read(d, "-", TRUE), std::make_pair(0u, FALSE));
        SetDlgItemInt(d.hwnd, 1002, static_cast<UINT>(-96), TRUE);
        EXPECT_EQ(d.Item(1002)->text, "-96");
        char text[3];
        EXPECT_EQ(GetDlgItemTextA(d.hwnd, 1002, text, sizeof text), 2u);
        EXPECT_STREQ(text, "-9");
        EXPECT_EQ(GetDlgItemInt(d.hwnd, 4242, nullptr, FALSE), 0u);  // no such item
        d.Command(IDOK);
    });
    DialogBoxParamA(nullptr, "DIALOG_WVLOOP", hwnd_, Proc, 0);
}

TEST_F(DialogsTest, MenuChecksAreKeptAndReported) {
    HMENU menu = LoadMenuA(nullptr, "KorvexMenu1");
    ASSERT_NE(menu, nullptr);
    SetMenu(hwnd_, menu);
    EXPECT_TRUE(session_.MenuChecked(106));  // checked in the template
    EXPECT_EQ(CheckMenuItem(menu, 106, MF_BYCOMMAND | MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(CheckMenuItem(menu, 107, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
    EXPECT_FALSE(session_.MenuChecked(106));
    EXPECT_TRUE(session_.MenuChecked(107));
    EXPECT_EQ(CheckMenuItem(menu, 999, MF_CHECKED), MF_ERROR);
    EXPECT_EQ(session_.CallsStartingWith("CheckMenuItem").front(), "CheckMenuItem(106,0)");
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_FALSE(session_.MenuChecked(107));  // the window let go of it
    EXPECT_EQ(LoadMenuA(nullptr, "NoSuchMenu"), nullptr);
}

class FileDialogTest : public DialogsTest {
protected:
    OPENFILENAMEA Ofn(DWORD maxFile, DWORD maxTitle) {
        std::memset(file_, 'x', sizeof file_);
        std::memset(title_, 'y', sizeof title_);
        file_[0] = '\0';
        OPENFILENAMEA ofn{};
        ofn.hwndOwner = hwnd_;
        ofn.lpstrFilter = "Tornel File(*.tnl)\0*.tnl\0";
        ofn.lpstrFile = file_;
        ofn.nMaxFile = maxFile;
        ofn.lpstrFileTitle = maxTitle ? title_ : nullptr;
        ofn.nMaxFileTitle = maxTitle;
        return ofn;
    }
    char file_[64];
    char title_[32];
};

TEST_F(FileDialogTest, ChosenPathAndTitleAreCopiedWhenTheyFit) {
    const std::string path = "/music/sets/party.tnl";  // 21 characters
    session_.AnswerFileDialog(path);
    OPENFILENAMEA ofn = Ofn(22, 10);
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(std::string(file_), path);
    EXPECT_STREQ(title_, "party.tnl");
    EXPECT_EQ(ofn.nFileOffset, 12);
    EXPECT_EQ(ofn.nFileExtension, 18);
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(session_.CallsStartingWith("GetOpenFileNameA").back(), "GetOpenFileNameA(Tornel File(*.tnl)|*.tnl)");
}

TEST_F(FileDialogTest, PathOrTitleTooLongFailsAndLeavesBuffersUntouched) {
    session_.AnswerFileDialog("/music/sets/party.tnl");
    OPENFILENAMEA ofn = Ofn(21, 10);  // no room for the terminator
    EXPECT_FALSE(GetSaveFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
    EXPECT_EQ(file_[0], '\0');
    EXPECT_EQ(file_[1], 'x');
    EXPECT_EQ(title_[0], 'y');

    session_.AnswerFileDialog("/music/sets/party.tnl");
    ofn = Ofn(64, 9);
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
    EXPECT_EQ(file_[0], '\0');
}

TEST_F(FileDialogTest, CancelFailsWithoutError) {
    OPENFILENAMEA ofn = Ofn(64, 0);
    EXPECT_FALSE(GetOpenFileNameA(&ofn));  // unscripted: cancelled
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    session_.AnswerFileDialog("");
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
}

TEST_F(DialogsTest, MessageBoxesAreRecordedAndAnswered) {
    EXPECT_EQ(MessageBoxA(hwnd_, "Timer not exists.", "Tornel Error", MB_OK | MB_ICONERROR), IDOK);
    EXPECT_EQ(MessageBoxA(hwnd_, "a.tnl is already exists. OverWrite ?", "Tornel Save", MB_OKCANCEL), IDCANCEL);
    session_.AnswerMessageBox(IDOK);
    EXPECT_EQ(MessageBoxA(hwnd_, "again", "Tornel Save", MB_OKCANCEL), IDOK);
    EXPECT_EQ(session_.MessageBoxes().front(), "Tornel Error|Timer not exists.|16");
    EXPECT_EQ(session_.CallsStartingWith("MessageBoxA").front(), "MessageBoxA(Tornel Error|Timer not exists.|16)");
}

TEST_F(DialogsTest, ShellOpensDocumentsWithForwardSlashesWhenNeeded) {
    const HINSTANCE ok = ShellExecuteA(hwnd_, nullptr, "C:\\tornel\\readme.txt", nullptr, nullptr, SW_SHOW);
    EXPECT_GT(reinterpret_cast<std::uintptr_t>(ok), 32u);
    EXPECT_EQ(session_.OpenedDocuments().back(), "C:/tornel/readme.txt");
}

}  // namespace
