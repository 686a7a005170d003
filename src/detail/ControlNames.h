#pragma once
// Object names of the detail window's controls, shared by the window, the lookup and the display.

#include <array>
#include <string_view>

namespace nomvera::detail::names {

inline constexpr std::string_view kQueryGroup = "分组框_查询";
inline constexpr std::string_view kAccount = "编辑框_淘宝账号";
inline constexpr std::string_view kQueryButton = "超级按钮_查询";
inline constexpr std::string_view kAccountGroup = "分组框_账号信息";
inline constexpr std::string_view kIdentity = "编辑框_淘宝身份";
inline constexpr std::string_view kRegion = "编辑框_所在地区";
inline constexpr std::string_view kRegistration = "编辑框_注册时间";
inline constexpr std::string_view kRegistrationLabel = "标签_注册时间";
inline constexpr std::string_view kRealName = "编辑框_实名认证";
inline constexpr std::string_view kIp = "编辑框_本机ＩＰ";
inline constexpr std::string_view kIpRegion = "编辑框_ＩＰ地区";
inline constexpr std::string_view kGradePicture = "图片框_安全未知危险";
inline constexpr std::string_view kSafetyInfo = "编辑框_安全信息";
inline constexpr std::string_view kCreditGroup = "分组框_信用及评价信息";
inline constexpr std::string_view kCreditScore = "编辑框_买家信用";
inline constexpr std::string_view kLevelPicture = "图片框_等级图片";
inline constexpr std::string_view kGoodRate = "编辑框_好评率";
inline constexpr std::string_view kGivenGood = "编辑框_给出好评";
inline constexpr std::string_view kGivenNeutral = "编辑框_给出中评";
inline constexpr std::string_view kGivenBad = "编辑框_给出差评";

// The twelve period boxes: last week good, neutral, bad, then last month, last half year and
// before the last half year.
inline constexpr std::array<std::string_view, 12> kPeriodBoxes = {
    "编辑框_最近一周好评", "编辑框_最近一周中评", "编辑框_最近一周差评", "编辑框_最近一月好评",
    "编辑框_最近一月中评", "编辑框_最近一月差评", "编辑框_最近半年好评", "编辑框_最近半年中评",
    "编辑框_最近半年差评", "编辑框_半年以前好评", "编辑框_半年以前中评", "编辑框_半年以前差评",
};

}  // namespace nomvera::detail::names
