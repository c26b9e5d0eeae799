#include "app/shell/MessageBox.h"

#include <QFont>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <deque>

namespace quendry {
namespace {

struct TestState {
    bool on = false;
    std::deque<MessageBox::Button> answers;
    QList<MessageBox::Shown> shown;
};

TestState& testState()
{
    static TestState state;
    return state;
}

QMessageBox::Icon iconFor(MessageBox::Kind kind)
{
    switch (kind) {
    case MessageBox::Kind::Information:
        return QMessageBox::Information;
    case MessageBox::Kind::Warning:
        return QMessageBox::Warning;
    case MessageBox::Kind::Error:
        return QMessageBox::Critical;
    case MessageBox::Kind::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString MessageBox::applicationTitle()
{
    return QStringLiteral("Quendry");
}

void MessageBox::information(QWidget* parent, const QString& text, const QString& title)
{
    show(parent, Kind::Information, text, title);
}

void MessageBox::warning(QWidget* parent, const QString& text, const QString& title)
{
    show(parent, Kind::Warning, text, title);
}

void MessageBox::error(QWidget* parent, const QString& text, const QString& title)
{
    show(parent, Kind::Error, text, title);
}

MessageBox::Button MessageBox::askYesNo(QWidget* parent, const QString& text, const QString& title)
{
    return show(parent, Kind::Question, text, title);
}

void MessageBox::setTestMode(bool on)
{
    TestState& state = testState();
    state.on = on;
    state.answers.clear();
    state.shown.clear();
}

void MessageBox::setNextAnswer(Button answer)
{
    testState().answers.push_back(answer);
}

QList<MessageBox::Shown> MessageBox::shown()
{
    return testState().shown;
}

void MessageBox::clearShown()
{
    testState().shown.clear();
}

MessageBox::Button MessageBox::show(QWidget* parent, Kind kind, const QString& text, const QString& title)
{
    const QString boxTitle = title.isEmpty() ? applicationTitle() : title;
    const bool question = kind == Kind::Question;

    TestState& state = testState();
    if (state.on) {
        state.shown.append({kind, boxTitle, text});
        if (!state.answers.empty()) {
            const Button answer = state.answers.front();
            state.answers.pop_front();
            return answer;
        }
        return question ? Button::No : Button::Ok;
    }

    QMessageBox box(iconFor(kind), boxTitle, text, QMessageBox::NoButton, parent);
    if (!question) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Button::Ok;
    }

    QPushButton* yes = box.addButton(QMessageBox::Yes);
    QPushButton* no = box.addButton(QMessageBox::No);
    yes->setText(QStringLiteral("Yes"));
    no->setText(QStringLiteral("No"));
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(11);
    box.setFont(font);
    // A question must be answered: it stays on top and offers no title-bar buttons.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    box.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = box.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        box.move(frame.topLeft());
    }
    box.exec();
    return box.clickedButton() == yes ? Button::Yes : Button::No;
}

} // namespace quendry
