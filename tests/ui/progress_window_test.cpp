// The progress window of a read or a write.
#include <gtest/gtest.h>

#include "ui/progress.h"

namespace {

TEST(ProgressWindow, ShowsZeroOnEveryShowThenTheExchangesPercentages) {
  TForm10 w;
  EXPECT_EQ(w.size(), QSize(336, 69));
  EXPECT_EQ(w.ProgressBar1->size(), QSize(321, 17));
  EXPECT_EQ(w.ProgressBar1->minimum(), 0);
  EXPECT_FALSE(w.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(w.windowFlags() & Qt::WindowSystemMenuHint);
  w.Label2->setText("77%");
  w.begin(tirel::Operation::write, 56);
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.Label2->text(), "0%");
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Запись"));
  EXPECT_EQ(w.Label1->text(), QStringLiteral("Запись данных в радиостанцию :"));
  EXPECT_EQ(w.ProgressBar1->maximum(), 56);
  w.advance(28, "50%");
  EXPECT_EQ(w.ProgressBar1->value(), 28);
  EXPECT_EQ(w.Label2->text(), "50%");
  w.close();
  EXPECT_TRUE(w.isVisible()) << "the user cannot close it";
  w.hide();
  w.show();
  EXPECT_EQ(w.Label2->text(), "0%");
}

}  // namespace
