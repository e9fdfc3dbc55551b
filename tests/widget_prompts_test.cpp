// The real dialog classes behind the prompt front, answered through a zero-delay
// timer as a user would answer them.

#include "prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `answer` on the modal dialog as soon as it shows.
void when_modal_shows(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start();
}

class WidgetPromptsTest : public ::testing::Test {
protected:
    void TearDown() override {
        while (QWidget* leftover = QApplication::activeModalWidget())
            leftover->close();
    }
    QWidget parent;
    WidgetPrompts widget_prompts;
    Prompts& prompts = widget_prompts;
};

} // namespace

TEST_F(WidgetPromptsTest, question_box_has_no_title_and_ok_answers_true) {
    QString title = QStringLiteral("unset");
    QString text;
    when_modal_shows([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Ok));
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_TRUE(prompts.ask_ok_cancel(&parent, QStringLiteral("确实要退出吗？")));
    EXPECT_EQ(text, QStringLiteral("确实要退出吗？"));
    EXPECT_TRUE(title.isEmpty());
}

TEST_F(WidgetPromptsTest, cancel_default_question_answers_false_on_cancel) {
    when_modal_shows([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Cancel));
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(prompts.ask_ok_cancel(&parent, QStringLiteral("?"), QMessageBox::Warning, true));
}

TEST_F(WidgetPromptsTest, one_file_dialog_keeps_the_chosen_name_and_shows_the_filters) {
    FileDialogSettings settings;
    settings.type = FileDialogSettings::Type::save;
    settings.filter = QStringLiteral("文本文件（*.txt）|*.txt");
    QFileDialog* first = nullptr;
    when_modal_shows([&](QWidget* modal) {
        first = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(first->nameFilters(), QStringList{QStringLiteral("文本文件（*.txt） (*.txt)")});
        first->selectFile(QStringLiteral("/tmp/menu"));
        QMetaObject::invokeMethod(first, "accept");
    });
    ASSERT_TRUE(prompts.choose_file(&parent, settings));
    EXPECT_EQ(settings.file_name, QStringLiteral("/tmp/menu"));

    settings.type = FileDialogSettings::Type::open;
    settings.filter =
        QStringLiteral("语言包文件(*.lng)|*.lng|文本文件（*.txt）|*.txt|所有文件（*.*）|*.*");
    when_modal_shows([&](QWidget* modal) {
        auto* again = qobject_cast<QFileDialog*>(modal);
        EXPECT_EQ(again, first);
        EXPECT_EQ(again->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(again->nameFilters().size(), 3);
        again->reject();
    });
    EXPECT_FALSE(prompts.choose_file(&parent, settings));
    EXPECT_EQ(settings.file_name, QStringLiteral("/tmp/menu"));
}
