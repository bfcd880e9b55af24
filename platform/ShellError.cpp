#include "platform/ShellError.h"
#include <dlfcn.h>
#include <typeinfo>
#include <cxxabi.h>
#include <memory>

ShellError::ShellError(QString message, QString className)
    : message_(std::move(message)), className_(std::move(className)), utf8_(message_.toUtf8())
{
    void* caller = __builtin_return_address(0);
    Dl_info info{};
    if (dladdr(caller, &info) && info.dli_fbase)
        address_ = reinterpret_cast<quintptr>(caller) - reinterpret_cast<quintptr>(info.dli_fbase);
}

QString errorText(const std::exception& e)
{
    if (auto* se = dynamic_cast<const ShellError*>(&e))
        return se->message();
    return QString::fromUtf8(e.what());
}

QString errorClassName(const std::exception& e)
{
    if (auto* se = dynamic_cast<const ShellError*>(&e))
        return se->className();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status), std::free);
    return QString::fromUtf8(status == 0 && name ? name.get() : typeid(e).name());
}
