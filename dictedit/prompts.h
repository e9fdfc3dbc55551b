#pragma once
// The editor's blocking questions and messages. The window asks through this front
// so tests can answer in advance; main passes MessageBoxPrompts. No box gets a title
// of its own.

#include <QString>

class QWidget;

class Prompts {
public:
    virtual ~Prompts() = default;
    // OK and Cancel with the warning icon, Cancel the default. True only for OK;
    // closing the box counts as Cancel.
    virtual bool ask_ok_cancel(QWidget* parent, const QString& text) = 0;
    virtual void inform(QWidget* parent, const QString& text) = 0;
    virtual void warn(QWidget* parent, const QString& text) = 0;
};

class MessageBoxPrompts : public Prompts {
public:
    bool ask_ok_cancel(QWidget* parent, const QString& text) override;
    void inform(QWidget* parent, const QString& text) override;
    void warn(QWidget* parent, const QString& text) override;
};
