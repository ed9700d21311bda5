// The real message box, as the user sees it.
#include "tests/support/QtPrinters.h"
#include "tests/support/Modal.h"
#include "windows/shared/MessageBox.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QMessageBox* Box(QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    EXPECT_NE(box, nullptr);
    return box;
}

}  // namespace

TEST(RealMessageBox, AnInputErrorHasTheStopIconOneOkAndTheProgramTitle) {
    WhenModal([](QWidget* modal) {
        QMessageBox* box = Box(modal);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("KV Yaxkelen"));
        EXPECT_EQ(box->text(), QStringLiteral("Please Enter Your Name"));
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(ShowMessage(QStringLiteral("Please Enter Your Name"), MessageIcon::Critical), MessageAnswer::Ok);
}

TEST(RealMessageBox, EscapeClosesAnOkBox) {
    WhenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(ShowMessage(QStringLiteral("Application is already running"), MessageIcon::Information),
              MessageAnswer::Ok);
}

TEST(RealMessageBox, AQuestionMustBeAnsweredAndItsLoneCarriageReturnBreaksTheLine) {
    const QString question =
        QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");
    for (const bool yes : {true, false}) {
        WhenModal([yes](QWidget* modal) {
            QMessageBox* box = Box(modal);
            EXPECT_EQ(box->icon(), QMessageBox::Information);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            EXPECT_EQ(box->text(), QStringLiteral("There maybe an update to this software available\nDo you want "
                                                  "to check for an update?"));
            EXPECT_FALSE(box->windowFlags() & Qt::WindowCloseButtonHint);
            // Neither Esc nor the close box answers it.
            QTest::keyClick(box, Qt::Key_Escape);
            box->close();
            EXPECT_TRUE(box->isVisible());
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        EXPECT_EQ(ShowMessage(question, MessageIcon::Information, MessageButtons::YesNo),
                  yes ? MessageAnswer::Yes : MessageAnswer::No);
    }
}

TEST(RealMessageBox, TestsCanAnswerInItsPlace) {
    std::vector<MessageRequest> seen;
    {
        ScopedMessageHandler handler([&](const MessageRequest& request, QWidget*) {
            seen.push_back(request);
            return MessageAnswer::Yes;
        });
        EXPECT_EQ(ShowMessage(QStringLiteral("q"), MessageIcon::Information, MessageButtons::YesNo),
                  MessageAnswer::Yes);
    }
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, QStringLiteral("KV Yaxkelen"));
    // Back to the real box afterwards.
    WhenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    EXPECT_EQ(ShowMessage(QStringLiteral("x"), MessageIcon::Critical), MessageAnswer::Ok);
    EXPECT_EQ(seen.size(), 1u);
}
