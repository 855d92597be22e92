// The whole program through the headless window: WinMain runs, a script plays the user on a still clock,
// and the tests read the title, the window's pixels and the message boxes.
#include "app/main_window.h"
#include "app/texts.h"
#include "board_pairs.h"
#include "game/board.h"
#include "platform/gdi_testing.h"
#include "platform/headless.h"
#include "platform/kernel_fake.h"
#include "render/board_renderer.h"
#include "render/pictures.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int Client = 299;
constexpr int CellSide = 30;

char moduleImage;
HINSTANCE Instance() { return reinterpret_cast<HINSTANCE>(&moduleImage); }

std::string Clock(int minutes, int seconds) {
    char text[64];
    std::snprintf(text, sizeof text, " - %02d:%02d", minutes, seconds);
    return std::string(TitleText) + text;
}

std::string WinText(int minutes, int seconds) {
    char text[256];
    std::snprintf(text, sizeof text, WinMessageFormat, minutes, seconds);
    return text;
}

// The 50 pairs of the current board, found again from its digits.
std::vector<std::pair<int, int>> CurrentBoardPairs() {
    std::array<int, 100> digits{};
    for (int i = 0; i < 100; ++i) digits[i] = gameState.board[i / 10][i % 10].value;
    auto pairs = BoardPairs(digits);
    EXPECT_EQ(pairs.size(), 50u);
    return pairs;
}

void ClickCellCentre(int cell) { EXPECT_TRUE(HeadlessClick(cell % 10 * CellSide + 15, cell / 10 * CellSide + 15)); }

// The pixels of the three pictures over the client area, as the window shows them where nothing covers them.
using Pixels = std::vector<COLORREF>;
std::array<Pixels, PictureCount> picturePixels;

void ReadPictures() {
    HDC dc = CreateCompatibleDC(backBufferDC);
    for (int i = 0; i < PictureCount; ++i) {
        HGDIOBJ previous = SelectObject(dc, pictures[i]);
        picturePixels[i].clear();
        for (int y = 0; y < Client; ++y) {
            for (int x = 0; x < Client; ++x) picturePixels[i].push_back(GdiGetPixel(dc, x, y));
        }
        SelectObject(dc, previous);
    }
    DeleteDC(dc);
}

COLORREF PictureAt(int picture, int x, int y) { return picturePixels[picture][y * Client + x]; }

// Which picture lies under the board: the one that matches on every seam pixel between the cells' boxes
// (the last column and row of each cell show the picture); -1 when none does.
int PictureShown() {
    for (int p = 0; p < PictureCount; ++p) {
        bool matches = true;
        for (int a = CellSide - 1; a < Client && matches; a += CellSide) {
            for (int b = 0; b < Client && matches; ++b) {
                matches = HeadlessClientPixel(a, b) == PictureAt(p, a, b) && HeadlessClientPixel(b, a) == PictureAt(p, b, a);
            }
        }
        if (matches) return p;
    }
    return -1;
}

// The window shows the picture alone, with no box or digit anywhere.
bool ShowsWholePicture(int picture) {
    for (int y = 0; y < Client; ++y) {
        for (int x = 0; x < Client; ++x) {
            if (HeadlessClientPixel(x, y) != PictureAt(picture, x, y)) return false;
        }
    }
    return true;
}

// How many pixels inside the box of a cell have the given colour.
int CountInBox(int row, int col, COLORREF colour) {
    int count = 0;
    for (int y = row * CellSide + 1; y < row * CellSide + 28; ++y) {
        for (int x = col * CellSide + 1; x < col * CellSide + 28; ++x) count += HeadlessClientPixel(x, y) == colour;
    }
    return count;
}

int CountCells(CellState state) {
    int count = 0;
    for (const auto& row : gameState.board) {
        for (const Cell& cell : row) count += cell.state == state ? 1 : 0;
    }
    return count;
}

class Program : public ::testing::Test {
protected:
    void SetUp() override {
        HeadlessReset();
        FakeKernelSetTickCount(4242);
        FakeKernelSetLocalTime(10, 0, 0);
    }
    void TearDown() override { HeadlessReset(); }

    // Runs WinMain; whenever the program waits, the next steps run until one of them gives it something.
    int Run() {
        HeadlessSetIdleHandler([this] {
            while (!HeadlessMessageWaiting()) {
                if (steps.empty()) {
                    ADD_FAILURE() << "the script ended with the program still running";
                    HeadlessCloseRequest();
                    return;
                }
                auto step = std::move(steps.front());
                steps.pop_front();
                step();
            }
        });
        char commandLine[] = "";
        return WinMain(Instance(), nullptr, commandLine, 1);
    }

    void Then(std::function<void()> step) { steps.push_back(std::move(step)); }
    void Tick() {
        Then([] { HeadlessTimerTick(); });
    }

    std::deque<std::function<void()>> steps;
};

TEST_F(Program, OpensItsWindowWithTheMenuAndABareTitleThenShowsTheClock) {
    Then([] {
        ReadPictures();
        EXPECT_TRUE(HeadlessWindowVisible());
        EXPECT_EQ(HeadlessClientWidth(), Client);
        EXPECT_EQ(HeadlessClientHeight(), Client);
        auto items = HeadlessMenuItems();
        ASSERT_EQ(items.size(), 3u);
        EXPECT_EQ(items[0], (std::pair<UINT_PTR, std::string>{IdRules, RulesMenuLabel}));
        EXPECT_EQ(items[1], (std::pair<UINT_PTR, std::string>{IdNewGame, NewGameMenuLabel}));
        EXPECT_EQ(items[2], (std::pair<UINT_PTR, std::string>{IdExit, ExitMenuLabel}));
        EXPECT_EQ(HeadlessTitle(), TitleText) << "no tick yet";
        EXPECT_EQ(PictureShown(), 0) << "the first board is on the screen before any input";
        EXPECT_EQ(CountCells(Open), 100);
        HeadlessTimerTick();
    });
    Then([] {
        EXPECT_EQ(HeadlessTitle(), Clock(0, 0));
        FakeKernelAdvance(65'000);
        HeadlessTimerTick();
    });
    Then([] {
        EXPECT_EQ(HeadlessTitle(), Clock(1, 5));
        FakeKernelAdvance((6000 - 65) * 1000);
        // Another program's timer message, with an identifier of its own, updates the title all the same.
        HeadlessPostMessage(WM_TIMER, 12345, 0);
    });
    Then([] {
        EXPECT_EQ(HeadlessTitle(), Clock(100, 0)) << "minutes are not capped";
        HeadlessMenuCommand(IdExit);
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(Program, WinsThreeGamesAndComesBackToTheFirstPicture) {
    const int gameSeconds[] = {125, 59, 3725};
    int games = 0;
    bool boxSeen = false;
    HeadlessSetMessageBoxHandler([&](const HeadlessMessageBox& box) {
        boxSeen = true;
        EXPECT_EQ(box.text, WinText(gameSeconds[games] / 60, gameSeconds[games] % 60));
        EXPECT_EQ(box.caption, TitleText);
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
        EXPECT_TRUE(ShowsWholePicture(games % PictureCount)) << "the finished board is painted before the box";
        EXPECT_TRUE(gameState.gameWon);
        // While the box is open the clock goes on, the title stays bare, and the board takes no clicks.
        EXPECT_FALSE(HeadlessClick(15, 15));
        EXPECT_FALSE(HeadlessMenuCommand(IdNewGame));
        FakeKernelAdvance(10'000);
        HeadlessTimerTick();
        HeadlessDispatchPending();
        EXPECT_EQ(HeadlessTitle(), TitleText);
        EXPECT_TRUE(ShowsWholePicture(games % PictureCount));
    });

    auto playOneGame = [&] {
        Then([&] {
            if (games == 0) ReadPictures();
            EXPECT_EQ(PictureShown(), games % PictureCount);
            EXPECT_EQ(CountCells(Open), 100);
            HeadlessTimerTick();
        });
        Then([&] {
            EXPECT_EQ(HeadlessTitle(), Clock(0, 0)) << "each game's clock starts from zero";
            FakeKernelAdvance(static_cast<DWORD>(gameSeconds[games]) * 1000);
            boxSeen = false;
            for (auto [first, second] : CurrentBoardPairs()) {
                ClickCellCentre(first);
                ClickCellCentre(second);
            }
        });
        Then([&] {
            EXPECT_TRUE(boxSeen);
            EXPECT_FALSE(gameState.gameWon) << "a new game started once the box was dismissed";
            EXPECT_EQ(HeadlessTitle(), TitleText) << "the title changes only at the next tick";
            ++games;
            HeadlessTimerTick();
        });
    };
    for (int i = 0; i < 3; ++i) playOneGame();
    Then([&] {
        EXPECT_EQ(games, 3);
        EXPECT_EQ(HeadlessTitle(), Clock(0, 0));
        EXPECT_EQ(PictureShown(), 0) << "the fourth game shows the first picture again";
        EXPECT_EQ(HeadlessMessageBoxes().size(), 3u);
        HeadlessCloseRequest();
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(Program, NewGameKeepsThePictureAndRestartsTheClock) {
    std::array<std::array<int, 10>, 10> before{};
    Then([] {
        ReadPictures();
        FakeKernelAdvance(30'000);
        HeadlessTimerTick();
        HeadlessClick(15, 15);
    });
    Then([&] {
        EXPECT_EQ(HeadlessTitle(), Clock(0, 30));
        EXPECT_EQ(CountCells(Selected), 1);
        for (int r = 0; r < 10; ++r) {
            for (int c = 0; c < 10; ++c) before[r][c] = gameState.board[r][c].value;
        }
        HeadlessMenuCommand(IdNewGame);
    });
    Then([&] {
        EXPECT_EQ(HeadlessTitle(), Clock(0, 30)) << "the old time stays until the next tick";
        EXPECT_EQ(CountCells(Open), 100);
        EXPECT_EQ(PictureShown(), 0);
        bool changed = false;
        for (int r = 0; r < 10; ++r) {
            for (int c = 0; c < 10; ++c) changed = changed || before[r][c] != gameState.board[r][c].value;
        }
        EXPECT_TRUE(changed) << "the tick count moved on, so the board is a new one";
        FakeKernelAdvance(2'000);
        HeadlessTimerTick();
    });
    Then([] {
        EXPECT_EQ(HeadlessTitle(), Clock(0, 2));
        // Only the identifier counts: a notification code in the high word changes nothing.
        HeadlessPostMessage(WM_COMMAND, static_cast<WPARAM>(IdNewGame) | (1u << 16), 0);
        HeadlessTimerTick();
    });
    Then([] {
        EXPECT_EQ(HeadlessTitle(), Clock(0, 0));
        HeadlessMenuCommand(IdExit);
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(Program, RulesBoxShowsTheRulesWhileTheClockRunsOn) {
    HeadlessSetMessageBoxHandler([](const HeadlessMessageBox& box) {
        EXPECT_EQ(box.text, RulesText);
        EXPECT_EQ(box.caption, TitleText);
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
        EXPECT_FALSE(HeadlessClick(15, 15));
        FakeKernelAdvance(7'000);
        HeadlessTimerTick();
        HeadlessDispatchPending();
        EXPECT_EQ(HeadlessTitle(), Clock(0, 7));
    });
    Then([] { HeadlessMenuCommand(IdRules); });
    Then([] {
        EXPECT_EQ(HeadlessMessageBoxes().size(), 1u);
        EXPECT_EQ(CountCells(Open), 100) << "no click got through while the box was open";
        HeadlessCloseRequest();
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(Program, ClicksSelectDeselectAndAlwaysRepaint) {
    int paints = 0;
    Then([&] {
        paints = HeadlessPaintCount();
        // A double click arrives as two presses: select, then deselect.
        HeadlessClick(298, 298);
    });
    Then([&] {
        EXPECT_EQ(gameState.board[9][9].state, Selected) << "the last pixel falls on row and column 9";
        EXPECT_EQ(HeadlessPaintCount(), paints + 1);
        EXPECT_GT(CountInBox(9, 9, BackdropColour), 0) << "the hatch shows";
        HeadlessClick(297, 280);
    });
    Then([&] {
        EXPECT_EQ(gameState.board[9][9].state, Open);
        EXPECT_EQ(gameState.selectedCol, -1);
        EXPECT_EQ(CountInBox(9, 9, BackdropColour), 0) << "no trace of the hatch";
        EXPECT_EQ(HeadlessPaintCount(), paints + 2);
        // An unknown command goes to the default handling and changes nothing.
        HeadlessPostMessage(WM_COMMAND, 555, 0);
    });
    Then([&] {
        EXPECT_TRUE(HeadlessWindowExists());
        EXPECT_EQ(HeadlessPaintCount(), paints + 2);
        HeadlessMenuCommand(IdExit);
    });
    EXPECT_EQ(Run(), 0);
}

// Positions only another program can send: none may reach the board, which is indexed unchecked.
// -1 divides to 0, so without a range check it would land on row or column 0.
TEST_F(Program, ClicksOutsideTheClientAreaNeverReachTheBoard) {
    const std::pair<int, int> outside[] = {{-1, 15},  {15, -1},   {-1, -1},     {299, 15},   {15, 299},
                                           {-29, -29}, {300, 300}, {32767, 5}, {5, -32768}, {-32768, 32767}};
    int paints = 0;
    Then([&] { paints = HeadlessPaintCount(); });
    for (auto [x, y] : outside) {
        Then([x, y] { HeadlessPostMessage(WM_LBUTTONDOWN, 1, MAKELPARAM(x, y)); });
        Then([&, x, y] {
            EXPECT_EQ(CountCells(Open), 100) << "click at " << x << ", " << y;
            EXPECT_EQ(gameState.selectedCol, -1) << "click at " << x << ", " << y;
            EXPECT_EQ(HeadlessPaintCount(), paints) << "click at " << x << ", " << y;
        });
    }
    Then([] { HeadlessPostMessage(WM_LBUTTONDOWN, 1, MAKELPARAM(0, 0)); });
    Then([] {
        EXPECT_EQ(gameState.board[0][0].state, Selected) << "the first pixel is on the board";
        HeadlessCloseRequest();
    });
    EXPECT_EQ(Run(), 0);
}

class ProgramEnds : public Program, public ::testing::WithParamInterface<bool> {};

TEST_P(ProgramEnds, WithZeroTheTimerStoppedAndEveryObjectReleased) {
    bool byCloseBox = GetParam();
    Then([byCloseBox] {
        EXPECT_GT(GdiLiveObjectCount(), 0);
        if (byCloseBox) {
            HeadlessCloseRequest();
        } else {
            HeadlessMenuCommand(IdExit);
        }
    });
    EXPECT_EQ(Run(), 0);
    EXPECT_FALSE(HeadlessWindowExists());
    EXPECT_EQ(HeadlessTimersAtDestroy(), 0) << "the destroy handler stopped the timer";
    EXPECT_EQ(GdiLiveObjectCount(), 0);
    EXPECT_EQ(GdiLiveDCCount(), 0);
    EXPECT_EQ(GdiRefusedDeleteCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(ExitCommandAndCloseBox, ProgramEnds, ::testing::Bool());

// Nothing is reported either way: the pictures are released and WinMain returns 0.
TEST_F(Program, FailedRegistrationOrCreationStillReleasesThePicturesAndReturnsZero) {
    // The class name is taken already, so RegisterClassExA fails and no window is made.
    WNDCLASSEXA taken{};
    taken.cbSize = sizeof(WNDCLASSEXA);
    taken.lpfnWndProc = DefWindowProcA;
    taken.lpszClassName = "MV395068";
    ASSERT_NE(RegisterClassExA(&taken), 0);
    EXPECT_EQ(Run(), 0);
    EXPECT_FALSE(HeadlessWindowExists());
    EXPECT_EQ(GdiLiveObjectCount(), 0);

    HeadlessReset();
    HeadlessRefuseWindows();
    EXPECT_EQ(Run(), 0);
    EXPECT_FALSE(HeadlessWindowExists());
    EXPECT_TRUE(HeadlessMessageBoxes().empty());
    EXPECT_EQ(GdiLiveObjectCount(), 0);
    EXPECT_EQ(GdiLiveDCCount(), 0);
}

}  // namespace
