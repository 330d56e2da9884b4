// The help file the build makes: a topic behind every context number, and no broken link.
#include <gtest/gtest.h>

#include <QDialog>
#include <QGuiApplication>
#include <QHelpEngineCore>
#include <QRegularExpression>
#include <QWindow>
#include <algorithm>

#include "base/TempDir.h"
#include "platform/HelpWindow.h"

namespace kumo::test {
namespace {

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override { OpenHelp(engine_, QStringLiteral(KUMO_HELP_FILE)); }

  TempDir dir_;
  QHelpEngineCore engine_{QString::fromStdString(dir_.File("help.qhc"))};
};

TEST_F(HelpTest, EveryContextNumberOpensATopicOfItsOwn) {
  const int contexts[] = {1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  111,
                          211, 221, 311, 312, 313, 411, 511, 611, 612, 613, 811, 821};
  for (int context : contexts) {
    const QUrl topic = TopicUrl(engine_, context);
    EXPECT_NE(topic, ContentsUrl()) << context;
    EXPECT_FALSE(engine_.fileData(topic).isEmpty()) << context;
  }
  EXPECT_EQ(TopicUrl(engine_, 999), ContentsUrl());
  EXPECT_FALSE(engine_.fileData(ContentsUrl()).isEmpty());
}

TEST_F(HelpTest, EveryLinkOfEveryPageLeadsToAPage) {
  const QList<QUrl> files = engine_.files(QStringLiteral("jp.kumo.help"), QString(), "html");
  ASSERT_GT(files.size(), 20);
  const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)"));
  for (const QUrl& page : files) {
    const QString text = QString::fromUtf8(engine_.fileData(page));
    for (const auto& match : link.globalMatch(text)) {
      const QUrl target = page.resolved(QUrl(match.captured(1)));
      EXPECT_FALSE(engine_.fileData(target).isEmpty())
          << page.toString().toStdString() << " → " << match.captured(1).toStdString();
    }
  }
}

// Japanese is searched as written, without spaces between its words; every word must be there.
TEST_F(HelpTest, SearchFindsJapaneseWordsInsideTheText) {
  const QList<HelpHit> exchange = SearchHelp(engine_, QStringLiteral("列交換"));
  ASSERT_FALSE(exchange.isEmpty());
  EXPECT_FALSE(exchange.first().Title.isEmpty());
  // Both words: found, and only among the pages with the first one.
  const QList<HelpHit> both = SearchHelp(engine_, QStringLiteral("列交換 ロック"));
  ASSERT_FALSE(both.isEmpty());
  for (const HelpHit& hit : both) {
    EXPECT_TRUE(std::any_of(exchange.begin(), exchange.end(),
                            [&](const HelpHit& h) { return h.Url == hit.Url; }));
  }
  EXPECT_TRUE(SearchHelp(engine_, QStringLiteral("列交換 存在しない言葉")).isEmpty());
  EXPECT_TRUE(SearchHelp(engine_, QStringLiteral("  ")).isEmpty());
}

// Help asked for while a modal dialog runs belongs to the dialog, which then blocks it no more;
// asked for later, it stands on its own again.
TEST(HelpWindowTest, HelpFromAModalDialogBelongsToIt) {
  HelpWindow help(QStringLiteral(KUMO_HELP_FILE));
  QDialog dialog;
  dialog.setModal(true);
  dialog.show();
  ASSERT_EQ(QGuiApplication::modalWindow(), dialog.windowHandle());
  help.ShowView(HelpView::Contents, 0);
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(help.windowHandle()->transientParent(), dialog.windowHandle());
  dialog.hide();
  help.ShowView(HelpView::Index, 0);
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(help.windowHandle()->transientParent(), nullptr);
}

}  // namespace
}  // namespace kumo::test
