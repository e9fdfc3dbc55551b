#include "dictedit_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

struct ShownBox {
    bool seen = false;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton default_button = QMessageBox::NoButton;
    QMessageBox::StandardButtons buttons;
};

// Once the box is up, notes what it shows and presses `answer`.
void answer_next_box(ShownBox& shown, QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, [&shown, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown.seen = true;
        shown.text = box->text();
        shown.title = box->windowTitle();
        shown.icon = box->icon();
        shown.buttons = box->standardButtons();
        shown.default_button = box->standardButton(box->defaultButton());
        box->button(answer)->click();
    });
}

class MessageBoxPromptsTest : public EditorTest {
protected:
    void TearDown() override {
        // A box the timer missed would block every later test.
        while (QWidget* leftover = QApplication::activeModalWidget())
            leftover->close();
    }
    WidgetPrompts real;
};

} // namespace

TEST_F(MessageBoxPromptsTest, clearAllQuestion_isWarningWithCancelDefault) {
    write_dictionary(dictionary_path(), {{"a", "1"}});
    EditorWindow window(real, program_directory());
    ShownBox shown;
    answer_next_box(shown, QMessageBox::Cancel);
    window.findChild<QPushButton*>(QStringLiteral("清空数据"))->click();
    ASSERT_TRUE(shown.seen);
    EXPECT_EQ(
        shown.text,
        QStringLiteral("确实要清空所有数据吗?\r\n\r\n清空数据后不能恢复,请慎重使用这个功能."));
    EXPECT_EQ(shown.title, QString());
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_EQ(shown.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(shown.default_button, QMessageBox::Cancel);
    EXPECT_EQ(read_dictionary_back(dictionary_path()).size(), 1u);
}

TEST_F(MessageBoxPromptsTest, clearAllAnsweredOk_emptiesTable) {
    write_dictionary(dictionary_path(), {{"a", "1"}});
    EditorWindow window(real, program_directory());
    ShownBox shown;
    answer_next_box(shown, QMessageBox::Ok);
    window.findChild<QPushButton*>(QStringLiteral("清空数据"))->click();
    ASSERT_TRUE(shown.seen);
    EXPECT_TRUE(read_dictionary_back(dictionary_path()).empty());
    EXPECT_EQ(window.grid().row_count(), 1);
}

TEST_F(MessageBoxPromptsTest, warning_showsTextWithWarningIcon) {
    ShownBox shown;
    answer_next_box(shown, QMessageBox::Ok);
    real.warn(nullptr, QStringLiteral("保存失败"));
    ASSERT_TRUE(shown.seen);
    EXPECT_EQ(shown.text, QStringLiteral("保存失败"));
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
}
