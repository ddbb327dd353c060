#include "runtime/runtimeerror.h"

// Marks the Chinese texts for Qt's lupdate, which gathers the window's texts from this file too:
// the window shows them, or their translations, in its message boxes. The runtime uses no Qt.
#define QT_TRANSLATE_NOOP(context, text) text

namespace runtime {
namespace {

struct ErrorTexts {
    std::string_view english;
    std::string_view chinese;
};

ErrorTexts textsOf(ErrorNumber number) noexcept {
    switch (number) {
        case ErrorNumber::InvalidProcedureCall:
            return {"Invalid procedure call or argument",
                    QT_TRANSLATE_NOOP("RuntimeError", "无效的过程调用或参数")};
        case ErrorNumber::Overflow:
            return {"Overflow", QT_TRANSLATE_NOOP("RuntimeError", "溢出")};
        case ErrorNumber::OutOfMemory:
            return {"Out of memory", QT_TRANSLATE_NOOP("RuntimeError", "内存溢出")};
        case ErrorNumber::SubscriptOutOfRange:
            return {"Subscript out of range", QT_TRANSLATE_NOOP("RuntimeError", "下标越界")};
        case ErrorNumber::FileNotFound:
            return {"File not found", QT_TRANSLATE_NOOP("RuntimeError", "文件未找到")};
        case ErrorNumber::DeviceIoError:
            return {"Device I/O error", QT_TRANSLATE_NOOP("RuntimeError", "设备 I/O 错误")};
        case ErrorNumber::PathFileAccessError:
            return {"Path/File access error",
                    QT_TRANSLATE_NOOP("RuntimeError", "路径/文件访问错误")};
    }
    return {"Application-defined or object-defined error",
            QT_TRANSLATE_NOOP("RuntimeError", "应用程序定义或对象定义错误")};
}

std::string whatText(ErrorNumber number, const std::string& detail) {
    std::string text = "Run-time error '" + std::to_string(static_cast<int>(number)) +
                       "': " + std::string(textsOf(number).english);
    if (!detail.empty()) {
        text += " (" + detail + ")";
    }
    return text;
}

}  // namespace

RuntimeError::RuntimeError(ErrorNumber number, std::string detail)
    : std::runtime_error(whatText(number, detail)), number_(number), detail_(std::move(detail)) {}

std::string_view RuntimeError::description() const noexcept {
    return textsOf(number_).english;
}

std::string_view RuntimeError::chineseDescription() const noexcept {
    return textsOf(number_).chinese;
}

void raise(ErrorNumber number, std::string detail) {
    throw RuntimeError(number, std::move(detail));
}

}  // namespace runtime
