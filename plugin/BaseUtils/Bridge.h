// One thin operation per host entry, named after it. A missing entry is never an error: the
// operation then does nothing, or yields the empty text or 0.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "../ZelvoDiskTrumoAbi.h"

namespace zelvo {

void Log(std::string_view line);
void SetResult(std::string_view answer);

// Text-returning operations: LastReply is emptied first, the reply is the last text delivered.
std::string HTTPHead(std::string_view address);
std::string GetOption(std::string_view section, std::string_view name, std::string_view defaultValue);
std::string GetLocation();
std::string ShowHAWindow(std::string_view prompt, int32_t value);
std::string GetPicSize(std::string_view path);
std::string ProgName();

int32_t ShowMsg(std::string_view message, uint8_t kind);

// Leaves the form answer in LastReply. LastReply is emptied first, so that a host that delivers
// no answer reads as "nothing to save" rather than as a stale reply.
void SimpleOptions(std::string_view form);

void SetOption(std::string_view section, std::string_view name, std::string_view value);
void ModQuery(std::string_view link);
void PicToArr(std::string_view path, TDArray* array, int32_t width, int32_t height);
void ArrToPic(std::string_view path, TDArray* array, int32_t width, int32_t height);
void SetArrLen(TDArray* array, int32_t first, int32_t second);

}  // namespace zelvo
