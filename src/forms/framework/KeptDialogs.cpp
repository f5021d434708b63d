#include "KeptDialogs.h"

#include <QCoreApplication>
#include <QHash>

namespace framework {

namespace {
QHash<std::type_index, QPointer<QWidget>> &dialogs()
{
    static QHash<std::type_index, QPointer<QWidget>> map;
    return map;
}
} // namespace

QWidget *KeptDialogs::find(std::type_index type)
{
    return dialogs().value(type).data();
}

QWidget *KeptDialogs::store(std::type_index type, QWidget *dialog)
{
    static bool cleanupRegistered = false;
    if (!cleanupRegistered) {
        qAddPostRoutine(&KeptDialogs::releaseAll);
        cleanupRegistered = true;
    }
    dialogs().insert(type, dialog);
    return dialog;
}

void KeptDialogs::releaseAll()
{
    auto &map = dialogs();
    const auto kept = map.values();
    map.clear();
    for (const QPointer<QWidget> &w : kept)
        delete w.data();
}

} // namespace framework
