#include "runtime/runtimeerror.h"

namespace runtime {
namespace {

struct ErrorTexts {
    std::string_view english;
    std::string_view chinese;
};

ErrorTexts textsOf(ErrorNumber number) noexcept {
    switch (number) {
        case ErrorNumber::InvalidProcedureCall:
            return {"Invalid procedure call or argument", "无效的过程调用或参数"};
        case ErrorNumber::Overflow:
            return {"Overflow", "溢出"};
        case ErrorNumber::OutOfMemory:
            return {"Out of memory", "内存溢出"};
        case ErrorNumber::SubscriptOutOfRange:
            return {"Subscript out of range", "下标越界"};
        case ErrorNumber::FileNotFound:
            return {"File not found", "文件未找到"};
        case ErrorNumber::DeviceIoError:
            return {"Device I/O error", "设备 I/O 错误"};
        case ErrorNumber::PathFileAccessError:
            return {"Path/File access error", "路径/文件访问错误"};
    }
    return {"Application-defined or object-defined error", "应用程序定义或对象定义错误"};
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

std::string RuntimeError::userMessage() const {
    return "运行时错误 '" + std::to_string(code()) + "':\n\n" + std::string(chineseDescription());
}

void raise(ErrorNumber number, std::string detail) {
    throw RuntimeError(number, std::move(detail));
}

}  // namespace runtime
