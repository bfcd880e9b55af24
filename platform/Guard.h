#pragma once
// Every event handler runs inside guarded(): an error that escapes it goes
// to the default error report and the program goes on with the next event.
// No exception may cross a Qt frame.
#include <utility>

void reportEscapedError();  // call from inside a catch block only

template <class F>
void guarded(F&& f) noexcept
{
    try {
        std::forward<F>(f)();
    } catch (...) {
        reportEscapedError();
    }
}

// A slot that runs a member handler under the guard.
template <class Obj, class... Args>
auto handler(Obj* obj, void (Obj::*member)(Args...))
{
    return [obj, member](Args... args) { guarded([&] { (obj->*member)(args...); }); };
}
