#pragma once
// The editor pane's content as the program's bytes. Reading and replacing go
// through the lossless conversion, so bytes put in come back out unchanged.

#include <string>

class QPlainTextEdit;

std::string editor_content_bytes(const QPlainTextEdit& editor);
// Replaces the whole content as one undoable step: Ctrl+Z brings the old content back.
void replace_editor_content(QPlainTextEdit& editor, const std::string& bytes);
