#include "runtime/runtimeerror.h"

#include <gtest/gtest.h>

#include <string>

namespace runtime {
namespace {

TEST(RuntimeError, CarriesItsNumberAndChineseMessage) {
    const struct {
        ErrorNumber number;
        int code;
        const char* chinese;
    } cases[] = {
        {ErrorNumber::InvalidProcedureCall, 5, "无效的过程调用或参数"},
        {ErrorNumber::Overflow, 6, "溢出"},
        {ErrorNumber::OutOfMemory, 7, "内存溢出"},
        {ErrorNumber::SubscriptOutOfRange, 9, "下标越界"},
        {ErrorNumber::FileNotFound, 53, "文件未找到"},
        {ErrorNumber::DeviceIoError, 57, "设备 I/O 错误"},
        {ErrorNumber::PathFileAccessError, 75, "路径/文件访问错误"},
    };
    for (const auto& c : cases) {
        const RuntimeError error(c.number);
        EXPECT_EQ(error.code(), c.code);
        EXPECT_EQ(error.chineseDescription(), c.chinese);
        EXPECT_EQ(error.userMessage(),
                  "运行时错误 '" + std::to_string(c.code) + "':\n\n" + c.chinese);
    }
}

TEST(RuntimeError, DetailGoesToWhatButNotToTheUser) {
    const RuntimeError error(ErrorNumber::FileNotFound, "/tmp/gone.bin");
    EXPECT_EQ(std::string(error.what()), "Run-time error '53': File not found (/tmp/gone.bin)");
    EXPECT_EQ(error.userMessage().find("gone"), std::string::npos);
}

}  // namespace
}  // namespace runtime
