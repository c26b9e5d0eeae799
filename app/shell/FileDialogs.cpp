#include "app/shell/FileDialogs.h"

#include <QFileDialog>

#include <deque>
#include <optional>

namespace quendry {
namespace {

struct TestState {
    bool on = false;
    std::deque<QString> answers;
    int asked = 0;
};

TestState& testState()
{
    static TestState state;
    return state;
}

std::optional<QString> testAnswer()
{
    TestState& state = testState();
    if (!state.on)
        return std::nullopt;
    ++state.asked;
    if (state.answers.empty())
        return QString();
    QString answer = state.answers.front();
    state.answers.pop_front();
    return answer;
}

} // namespace

QString FileDialogs::openTextFilter()
{
    return QStringLiteral("Texts (*.txt *.rtf);;All files (*)");
}

QString FileDialogs::saveTextFilter()
{
    return QStringLiteral("Plain text, UTF-8 (*.txt);;Rich text (*.rtf)");
}

QString FileDialogs::openFileName(QWidget* parent, const QString& caption, const QString& filter)
{
    if (auto answer = testAnswer())
        return *answer;
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString FileDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& filter)
{
    if (auto answer = testAnswer())
        return *answer;
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter);
}

void FileDialogs::setTestMode(bool on)
{
    TestState& state = testState();
    state.on = on;
    state.answers.clear();
    state.asked = 0;
}

void FileDialogs::setNextAnswer(const QString& path)
{
    testState().answers.push_back(path);
}

int FileDialogs::askedCount()
{
    return testState().asked;
}

} // namespace quendry
