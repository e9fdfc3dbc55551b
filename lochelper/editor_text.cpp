#include "editor_text.h"

#include "gbk_codec.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

std::string editor_content_bytes(const QPlainTextEdit& editor) {
    // toRawText keeps every character as stored; toPlainText would turn
    // non-breaking spaces into spaces.
    const QString text = editor.document()->toRawText();
    return bytes_from_editor_text(std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                                                 static_cast<size_t>(text.size())));
}

void replace_editor_content(QPlainTextEdit& editor, const std::string& bytes) {
    const std::u16string text = editor_text_from_bytes(bytes);
    QTextCursor cursor(editor.document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.insertText(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
    cursor.endEditBlock();
    cursor.movePosition(QTextCursor::Start);
    editor.setTextCursor(cursor);
}
