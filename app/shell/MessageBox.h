#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace quendry {

// Every message box and question of the program goes through here, so that tests can answer
// them in advance instead of a user.
class MessageBox {
public:
    enum class Button { Ok, Yes, No };
    enum class Kind { Information, Warning, Error, Question };

    // What a box showed, as recorded in test mode.
    struct Shown {
        Kind kind;
        QString title;
        QString text;
    };

    // The title of plain notices.
    static QString applicationTitle();

    // A modal notice with an OK button; the title defaults to the application's.
    static void information(QWidget* parent, const QString& text, const QString& title = {});
    static void warning(QWidget* parent, const QString& text, const QString& title = {});
    static void error(QWidget* parent, const QString& text, const QString& title = {});

    // The modal confirmation box with "Yes" (the default, chosen by Enter) and "No" (chosen by
    // Esc); it stays above other windows and is centred on the screen. Callers go on only on Yes.
    static Button askYesNo(QWidget* parent, const QString& text, const QString& title = {});

    // Test mode: boxes are not shown but recorded, and each is answered with the next queued
    // answer, or with its default (OK, or No for questions) when none is queued.
    static void setTestMode(bool on);
    static void setNextAnswer(Button answer);
    static QList<Shown> shown();
    static void clearShown();

private:
    static Button show(QWidget* parent, Kind kind, const QString& text, const QString& title);
};

} // namespace quendry
