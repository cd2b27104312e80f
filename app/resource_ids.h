// Identifiers of the program's resources, shared by the code and the resource script.
#pragma once

#define VARNELO_PROGRAM_ICON_ID 1

#ifdef __cplusplus
namespace app {
inline constexpr int kProgramIconId = VARNELO_PROGRAM_ICON_ID;
}  // namespace app
#endif
