#pragma once
// Every event handler runs inside guarded(): an error that escapes it goes
// to the default error report and the program goes on with the next event.
// No exception may cross a Qt frame.
#include <utility>

void reportEscapedError();       // call from inside a catch block only
void reportEscapedErrorLater();  // the same, shown once the event loop is back

template <class F>
void guarded(F&& f) noexcept
{
    try {
        std::forward<F>(f)();
    } catch (...) {
        reportEscapedError();
    }
}

// For code the toolkit runs inside its own machinery (an item editor being
// committed, a current-row change): a modal box there would let the toolkit
// delete, in the box's event loop, the editor it goes on using afterwards.
// The error is shown once that code has returned. True when f succeeded.
template <class F>
bool guardedReportLater(F&& f) noexcept
{
    try {
        std::forward<F>(f)();
        return true;
    } catch (...) {
        reportEscapedErrorLater();
        return false;
    }
}

// A slot that runs a member handler under the guard.
template <class Obj, class... Args>
auto handler(Obj* obj, void (Obj::*member)(Args...))
{
    return [obj, member](Args... args) { guarded([&] { (obj->*member)(args...); }); };
}
