#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <typeindex>

namespace framework {

// Program-wide dialog instances, created on first use and kept (with their
// presets and last statement) until the program ends or releaseAll() runs.
class KeptDialogs {
public:
    template <class T> static T &get()
    {
        QWidget *w = find(typeid(T));
        if (!w)
            w = store(typeid(T), new T());
        return *static_cast<T *>(w);
    }
    template <class T> static bool exists() { return find(typeid(T)) != nullptr; }
    // Destroys every kept dialog (tests between databases; end of program).
    static void releaseAll();

private:
    static QWidget *find(std::type_index type);
    static QWidget *store(std::type_index type, QWidget *dialog);
};

} // namespace framework
