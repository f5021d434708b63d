#include "Prompter.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace app {

namespace {
Prompter *g_override = nullptr;

// The program's messages break their lines with a lone carriage return,
// which a Qt label does not take as a line break.
QString lineBroken(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
} // namespace

Prompter &Prompter::instance()
{
    static BoxPrompter real;
    return g_override ? *g_override : real;
}

void Prompter::setInstance(Prompter *prompter)
{
    g_override = prompter;
}

void BoxPrompter::message(const QString &text, Kind kind)
{
    QMessageBox box(kind == Error     ? QMessageBox::Critical
                    : kind == Warning ? QMessageBox::Warning
                                      : QMessageBox::Information,
                    QApplication::applicationDisplayName(), lineBroken(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool BoxPrompter::confirm(const QString &text, const QColor &background, const QColor &foreground)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), lineBroken(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    box.setStyleSheet(QStringLiteral("QMessageBox { background-color: %1; } QMessageBox QLabel { color: %2; }")
                          .arg(background.name(), foreground.name()));
    return box.exec() == QMessageBox::Yes;
}

namespace {
void writeLine(const char *kind, const QString &text)
{
    QString oneLine = text;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char('\n')).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    std::fprintf(stderr, "frtrade: %s: %s\n", kind, oneLine.toUtf8().constData());
    std::fflush(stderr);
}
} // namespace

void StderrPrompter::message(const QString &text, Kind)
{
    writeLine("message", text);
}

bool StderrPrompter::confirm(const QString &text, const QColor &, const QColor &)
{
    writeLine("confirm", text);
    return qEnvironmentVariable("FRTRADE_CONFIRM").compare(QLatin1String("no"), Qt::CaseInsensitive) != 0;
}

void ScriptedPrompter::message(const QString &text, Kind)
{
    shown.append({text, false, QColor()});
    if (onShow)
        onShow(text);
}

bool ScriptedPrompter::confirm(const QString &text, const QColor &background, const QColor &)
{
    shown.append({text, true, background});
    if (onShow)
        onShow(text);
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

QStringList ScriptedPrompter::texts() const
{
    QStringList t;
    for (const Shown &s : shown)
        t.append(s.text);
    return t;
}

} // namespace app
