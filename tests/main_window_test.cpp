#include "dictionary_table.h"
#include "file_operations.h"
#include "main_window.h"
#include "scratch_directory.h"
#include "scripted_prompts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <random>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(prompts, dir);
        window->show();
    }

    QPushButton* button(const char* name) {
        auto* b = window->findChild<QPushButton*>(QString::fromUtf8(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    long line_count() { return window->editor()->toPlainText().count(u'\n') + 1; }
    void open_bytes(const std::string& bytes) {
        ASSERT_TRUE(write_file(dir + "/in.lng", bytes));
        prompts.choose_next(QString::fromStdString(dir + "/in.lng"));
        click("打开文件");
    }
    std::string save_and_read_back() {
        prompts.choose_next(QString::fromStdString(dir + "/out"));
        click("保存文件");
        return read_text_file(dir + "/out.txt");
    }

    ScratchDirectory scratch;
    const std::string dir = scratch.path();
    ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST_F(MainWindowTest, layout_matches_the_fixed_design) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Lexiro1.1"));
    EXPECT_EQ(window->editor()->geometry(), QRect(8, 8, 520, 416));
    EXPECT_EQ(window->progress_bar()->geometry(), QRect(64, 432, 464, 16));
    EXPECT_EQ(window->progress_bar()->minimum(), 0);
    EXPECT_EQ(window->progress_bar()->value(), 0);
    auto* label = window->findChild<QLabel*>(QStringLiteral("进度标签"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("转换进度"));
    EXPECT_EQ(label->geometry(), QRect(8, 432, 56, 16));
    const std::vector<std::pair<const char*, int>> buttons = {
        {"打开文件", 16},  {"快捷键处理", 48}, {"转成三行", 80},  {"自动翻译", 112},
        {"转成单行", 144}, {"保存文件", 328},  {"使用说明", 360}, {"退出程序", 392}};
    for (const auto& [name, top] : buttons) {
        QPushButton* b = button(name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString::fromUtf8(name));
        EXPECT_EQ(b->geometry(), QRect(536, top, 72, 24)) << name;
    }
    EXPECT_TRUE(window->editor()->toPlainText().isEmpty());
}

TEST_F(MainWindowTest, any_bytes_survive_open_and_save) {
    std::mt19937 rng(7);
    const std::vector<std::string> pieces = {"a=1",
                                             "\r\n",
                                             "\r",
                                             "\n",
                                             std::string(1, '\0'),
                                             "\xB4\xF2\xBF\xAA",
                                             "\x94\x39\xFC\x36",
                                             "\x81\x36\xA6\x36",
                                             "\x80",
                                             "\xFF",
                                             "\x81",
                                             "\xA0",
                                             "\xA8\xA0",
                                             "\t",
                                             " ",
                                             "&Open..."};
    for (int round = 0; round < 60; ++round) {
        std::string bytes;
        for (int n = rng() % 30 + 1; n > 0; --n)
            bytes += rng() % 6 == 0 ? std::string(1, static_cast<char>(rng() % 256))
                                    : pieces[rng() % pieces.size()];
        open_bytes(bytes);
        ASSERT_EQ(save_and_read_back(), bytes) << "round " << round;
    }
}

TEST_F(MainWindowTest, open_replaces_content_and_undo_brings_it_back) {
    open_bytes("first\r\nfile");
    open_bytes("second");
    EXPECT_EQ(window->editor()->toPlainText(), QStringLiteral("second"));
    QTest::keyClick(window->editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->editor()->toPlainText(), QStringLiteral("first\nfile"));
}

TEST_F(MainWindowTest, open_shows_the_three_entry_filter_and_cancel_keeps_content) {
    open_bytes("kept");
    prompts.choose_next(QString());
    click("打开文件");
    EXPECT_EQ(window->editor()->toPlainText(), QStringLiteral("kept"));
    const FileDialogSettings& dialog = prompts.shown.back().dialog;
    EXPECT_EQ(dialog.type, FileDialogSettings::Type::open);
    EXPECT_EQ(
        dialog.filter,
        QStringLiteral("语言包文件(*.lng)|*.lng|文本文件（*.txt）|*.txt|所有文件（*.*）|*.*"));
}

TEST_F(MainWindowTest, unreadable_file_is_reported_and_content_kept) {
    open_bytes("kept");
    for (const std::string& bad : {dir + "/missing.lng", dir}) {
        prompts.choose_next(QString::fromStdString(bad));
        click("打开文件");
        ASSERT_EQ(prompts.shown.back().kind, ShownPrompt::Kind::warning);
        EXPECT_TRUE(prompts.shown.back().text.contains(QString::fromStdString(bad)));
        EXPECT_EQ(window->editor()->toPlainText(), QStringLiteral("kept"));
    }
}

TEST_F(MainWindowTest, empty_file_opens_as_empty_editor) {
    open_bytes("something");
    open_bytes("");
    EXPECT_TRUE(window->editor()->document()->isEmpty());
}

TEST_F(MainWindowTest, save_of_empty_editor_does_nothing) {
    click("保存文件");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(MainWindowTest, save_appends_txt_and_says_where) {
    open_bytes("a=1\r\n");
    for (const std::string& name : {dir + "/menu", dir + "/menu.txt"}) {
        prompts.choose_next(QString::fromStdString(name));
        click("保存文件");
        EXPECT_EQ(read_text_file(name + ".txt"), "a=1\r\n");
        ASSERT_EQ(prompts.shown.back().kind, ShownPrompt::Kind::information);
        EXPECT_EQ(prompts.shown.back().text,
                  QStringLiteral("已保存.位置为:") + QString::fromStdString(name + ".txt"));
        const FileDialogSettings& dialog = prompts.shown[prompts.shown.size() - 2].dialog;
        EXPECT_EQ(dialog.type, FileDialogSettings::Type::save);
        EXPECT_EQ(dialog.filter, QStringLiteral("文本文件（*.txt）|*.txt"));
    }
}

TEST_F(MainWindowTest, dialog_remembers_the_last_file_name_for_either_command) {
    open_bytes("x");
    prompts.choose_next(QString::fromStdString(dir + "/chosen"));
    click("保存文件");
    prompts.choose_next(QString());
    click("打开文件");
    EXPECT_EQ(prompts.shown.back().dialog.file_name, QString::fromStdString(dir + "/chosen"));
}

TEST_F(MainWindowTest, failed_save_warns_and_keeps_the_old_file) {
    ASSERT_TRUE(write_file(dir + "/blocker", "old"));
    open_bytes("new");
    prompts.choose_next(QString::fromStdString(dir + "/blocker/out"));
    click("保存文件");
    ASSERT_EQ(prompts.shown.back().kind, ShownPrompt::Kind::warning);
    EXPECT_TRUE(prompts.shown.back().text.contains(QString::fromStdString(dir + "/blocker")));
    EXPECT_EQ(read_text_file(dir + "/blocker"), "old");
}

TEST_F(MainWindowTest, help_shows_readme_read_only_until_next_open) {
    ASSERT_TRUE(write_file(dir + "/readme.txt", "\xCA\xB9\xD3\xC3\xCB\xB5\xC3\xF7\r\nline"));
    click("使用说明");
    EXPECT_EQ(window->editor()->toPlainText(), QStringLiteral("使用说明\nline"));
    EXPECT_TRUE(window->help_view());
    EXPECT_TRUE(window->editor()->isReadOnly());
    prompts.choose_next(QString());
    click("打开文件");
    EXPECT_FALSE(window->help_view());
    EXPECT_FALSE(window->editor()->isReadOnly());
}

TEST_F(MainWindowTest, help_without_readme_empties_the_editor) {
    open_bytes("text");
    click("使用说明");
    EXPECT_TRUE(window->editor()->document()->isEmpty());
    EXPECT_TRUE(window->help_view());
    EXPECT_EQ(prompts.shown.size(), 1u); // the open dialog only: no message
}

TEST_F(MainWindowTest, exit_asks_and_cancel_changes_nothing) {
    open_bytes("unsaved");
    prompts.answer_next(false);
    click("退出程序");
    EXPECT_EQ(prompts.shown.back().text, QStringLiteral("确实要退出吗？"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->editor()->toPlainText(), QStringLiteral("unsaved"));
    prompts.answer_next(true);
    click("退出程序");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, passes_replace_content_set_progress_and_undo) {
    open_bytes("&Open=&Open...\r\nb=2");
    click("快捷键处理");
    EXPECT_EQ(window->editor()->toPlainText(), QStringLiteral("Open=Open(&O)...\nb=2\n"));
    EXPECT_EQ(window->progress_bar()->maximum(), 2);
    EXPECT_EQ(window->progress_bar()->value(), 0);
    click("转成三行");
    EXPECT_EQ(window->progress_bar()->maximum(), 3);
    EXPECT_EQ(line_count(), 10);
    click("转成单行");
    EXPECT_EQ(window->progress_bar()->maximum(), 10);
    EXPECT_EQ(window->progress_bar()->value(), 0);
    EXPECT_EQ(window->editor()->toPlainText(), QStringLiteral("Open=Open(&O)...\nb=2\n\n\n"));
    QTest::keyClick(window->editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(line_count(), 10);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowTest, passes_on_empty_editor_touch_nothing) {
    for (const char* name : {"快捷键处理", "转成三行", "转成单行"})
        click(name);
    EXPECT_TRUE(window->editor()->document()->isEmpty());
    EXPECT_EQ(window->progress_bar()->maximum(), 100);
}

TEST_F(MainWindowTest, translate_without_dictionary_says_so_and_changes_nothing) {
    open_bytes("a=Open\r\nb=Open\r\n");
    click("自动翻译");
    ASSERT_EQ(prompts.shown.back().kind, ShownPrompt::Kind::information);
    EXPECT_EQ(prompts.shown.back().text, QStringLiteral("没找到数据库，请下载数据库。"));
    EXPECT_EQ(window->editor()->toPlainText(), QStringLiteral("a=Open\nb=Open\n"));
    EXPECT_EQ(window->progress_bar()->maximum(), 100);
}

TEST_F(MainWindowTest, translate_fills_translation_lines_and_undoes) {
    ASSERT_TRUE(write_dictionary_file(dir + "/default.edb",
                                      {{"open file", "\xB4\xF2\xBF\xAA\xCE\xC4\xBC\xFE"}}));
    open_bytes("IDS_OPEN=&Open File...\r\nIDS_OPEN=&Open File...\r\n");
    click("自动翻译");
    EXPECT_EQ(window->editor()->toPlainText(),
              QStringLiteral("IDS_OPEN=&Open File...\nIDS_OPEN=&打开文件...\n\n"));
    EXPECT_EQ(window->progress_bar()->maximum(), 3);
    EXPECT_EQ(window->progress_bar()->value(), 0);
    QTest::keyClick(window->editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->editor()->toPlainText(),
              QStringLiteral("IDS_OPEN=&Open File...\nIDS_OPEN=&Open File...\n"));
}

TEST_F(MainWindowTest, translate_with_damaged_dictionary_warns_and_changes_nothing) {
    ASSERT_TRUE(write_file(dir + "/default.edb", "this is no database at all"));
    open_bytes("a=Open\r\nb=Open\r\n");
    click("自动翻译");
    ASSERT_EQ(prompts.shown.back().kind, ShownPrompt::Kind::warning);
    EXPECT_TRUE(prompts.shown.back().text.contains(QString::fromStdString(dir + "/default.edb")));
    EXPECT_EQ(window->editor()->toPlainText(), QStringLiteral("a=Open\nb=Open\n"));
}
