#include "shell/optimise_command.h"

#include <string>
#include <vector>

#include "analysis/logic/draw_weights.h"
#include "analysis/logic/optimiser.h"
#include "analysis/logic/win_chances_table.h"
#include "analysis/series_draw.h"
#include "calc/screen_calc_fixture.h"
#include "model/help_topics.h"
#include "shell/main_menu.h"
#include "shell/menu_commands.h"
#include "support/text_probe.h"

namespace vorlanz {
namespace {

using platform::kRightButton;
using platform::vk::kEscape;
using platform::vk::kF1;
using platform::vk::kReturn;
using testing::ShowsText;

// The goal button "2 mind. II" of the centred goal choice.
constexpr int kSecondGoalX = 299;
constexpr int kSecondGoalY = 244;
// Where the calculation window writes the result's line.
constexpr int kNoteX = 192;
constexpr int kNoteY = 400;

class OptimiseCommandTest : public testing::ScreenCalcTest {
 protected:
  void SetUp() override {
    ScreenCalcTest::SetUp();
    GiveForecast(5, 4, 3);
  }

  // The line the calculation window shows for the current tip set, as a
  // fresh scoring of it writes the goal's value.
  static std::string FreshLineStart(OptimiserGoal goal) {
    const PoolData& pool = Pool();
    const double value = ScoreTipSet(pool.TipRows, ChancesFromWeights(DrawWeights(pool)), goal);
    return "Optimiert: " + std::string(GoalName(goal)) + " " + GoalValueText(value, goal) +
           " (Median ";
  }

  // Runs the command at System-Güte 1 with `pick` choosing the goal, checks
  // the calculation window's line and leaves the window; returns the rows.
  RowTable OptimiseWith(const std::function<void()>& pick, OptimiserGoal goal) {
    ProcessRandom().Seed(4711);
    os.Key('1');
    pick();
    os.Then([this, goal] {
      EXPECT_TRUE(ShowsText(main_screen(), kNoteX, kNoteY, FreshLineStart(goal)));
    });
    os.Key('X');
    Win_1_MenuEvent(command::kOptimise);
    EXPECT_TRUE(os.ScriptDone());
    return Pool().TipRows;
  }
};

TEST_F(OptimiseCommandTest, LeavingTheGoalChoiceChangesNothing) {
  PoolData& pool = Pool();
  pool.SystemQuality = pool.WorkingQuality = 5;
  pool.TipSetReady = kTrue;
  for (int m = 1; m <= kMatchCount; ++m) pool.TipRows[m].fill(static_cast<Byte>(m % 3));
  const PoolData before = pool;
  // Each answer as it reaches the box; the held right button comes last, as
  // nothing lets it go.
  const std::vector<std::function<void()>> leaves = {
      [this] { os.KeyDown(kEscape); },
      [this] { os.KeyDown(kF1).KeyDown(kEscape); },
      [this] { os.MouseDown(400, 100, kRightButton); },
  };
  for (std::size_t i = 0; i < leaves.size(); ++i) {
    SCOPED_TRACE(i);
    os.Key('7');
    leaves[i]();
    OptimiseCommand();
    EXPECT_TRUE(os.ScriptDone());
    EXPECT_EQ(pool.SystemQuality, 5);
    EXPECT_EQ(pool.WorkingQuality, 5);
    EXPECT_EQ(pool.TipRows, before.TipRows);
    EXPECT_EQ(pool.RowQuality, before.RowQuality);
    EXPECT_EQ(pool.RowWinTally, before.RowWinTally);
    EXPECT_TRUE(IsSet(pool.TipSetReady));
  }
  EXPECT_EQ(os.help_requests(), (std::vector<std::string>{std::string(help::kOptimise)}));
}

TEST_F(OptimiseCommandTest, KeyAndClickPickTheSameGoalAndReturnTakesTheOneShown) {
  const RowTable typed = OptimiseWith([this] { os.Key('2'); }, OptimiserGoal::AtLeastII);
  const RowTable clicked =
      OptimiseWith([this] { os.Click(kSecondGoalX, kSecondGoalY); }, OptimiserGoal::AtLeastII);
  EXPECT_EQ(typed, clicked);
  // The win chances list the result as the current tip set.
  const std::vector<ChancesLine> lines =
      WinChanceLines(Pool(), ChancesFromWeights(DrawWeights(Pool())));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front().card, kCurrentTipSet);

  const RowTable shown = OptimiseWith([this] { os.Key(kReturn); }, OptimiserGoal::AtLeastIII);
  EXPECT_NE(shown, typed);
}

TEST_F(OptimiseCommandTest, JaToTheCancelQuestionOpensTheBestSetSoFar) {
  // The first look at the keys comes after a few whole tip sets: a reading
  // of the clock every 256 steps once the optimiser runs at full pace, each
  // taking 115 µs, makes the first visit fall due after about 20000 steps.
  poll_time.StepPerReading(std::chrono::microseconds(115));
  Pool().TipSetReady = kFalse;
  os.Key('1').KeyDown('2');
  os.TypingAhead().KeyDown(kEscape);  // pressed while the optimiser runs
  os.TypingAhead(false);
  os.Then([this] {
    EXPECT_TRUE(ShowsText(main_screen(), 16, 48, "Ziel:        mind. II"));
    EXPECT_TRUE(ShowsText(main_screen(), 16, 72, "Tipp-Sätze:"));
  });
  os.KeyDown('J');
  os.Then([this] {
    EXPECT_TRUE(IsSet(Pool().TipSetReady));
    EXPECT_TRUE(ShowsText(main_screen(), kNoteX, kNoteY, FreshLineStart(OptimiserGoal::AtLeastII)));
  });
  os.Key('X');
  OptimiseCommand();
  EXPECT_TRUE(os.ScriptDone());
}

}  // namespace
}  // namespace vorlanz
