#pragma once
// The window-definition names by which handlers reach the controls.
#include <string_view>

namespace qv::names {

inline constexpr std::string_view 主窗口 = "主窗口";

inline constexpr std::string_view 画板1 = "画板1";  // tileset canvas
inline constexpr std::string_view 画板2 = "画板2";  // map canvas
inline constexpr std::string_view 画板3 = "画板3";  // brush canvas
inline constexpr std::string_view 画板4 = "画板4";  // palette canvas
inline constexpr std::string_view 分组框1 = "分组框1";
inline constexpr std::string_view 分组框2 = "分组框2";
inline constexpr std::string_view 通用对话框1 = "通用对话框1";

inline constexpr std::string_view 标签1 = "标签1";
inline constexpr std::string_view 标签2 = "标签2";
inline constexpr std::string_view 标签3 = "标签3";
inline constexpr std::string_view 标签4 = "标签4";
inline constexpr std::string_view 标签5 = "标签5";
inline constexpr std::string_view 标签6 = "标签6";

inline constexpr std::string_view 编辑框1 = "编辑框1";
inline constexpr std::string_view 编辑框2 = "编辑框2";
inline constexpr std::string_view 编辑框素材单位x = "编辑框素材单位x";
inline constexpr std::string_view 编辑框素材单位y = "编辑框素材单位y";

inline constexpr std::string_view 按钮打开A = "按钮打开A";
inline constexpr std::string_view 按钮打开B = "按钮打开B";
inline constexpr std::string_view 按钮打开C = "按钮打开C";
inline constexpr std::string_view 按钮打开D = "按钮打开D";
inline constexpr std::string_view 按钮A = "按钮A";
inline constexpr std::string_view 按钮B = "按钮B";
inline constexpr std::string_view 按钮C = "按钮C";
inline constexpr std::string_view 按钮D = "按钮D";
inline constexpr std::string_view 按钮画 = "按钮画";
inline constexpr std::string_view 按钮取 = "按钮取";
inline constexpr std::string_view 按钮32 = "按钮32";
inline constexpr std::string_view 按钮24 = "按钮24";
inline constexpr std::string_view 按钮16 = "按钮16";
inline constexpr std::string_view 按钮其他大小 = "按钮其他大小";
inline constexpr std::string_view 按钮新建 = "按钮新建";
inline constexpr std::string_view 按钮打开 = "按钮打开";
inline constexpr std::string_view 按钮保存 = "按钮保存";
inline constexpr std::string_view 按钮另存为 = "按钮另存为";
inline constexpr std::string_view 按钮设置分辨率 = "按钮设置分辨率";
inline constexpr std::string_view 按钮确定 = "按钮确定";

}  // namespace qv::names
