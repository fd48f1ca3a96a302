// For hosts of the plug-in (the reference host, the benchmark's, the fuzzers' and the tests'
// own small hosts): the services a host offers, by name, as HostGetProc hands them out.
#pragma once

#include <string_view>

#include "ZelvoDiskTrumoAbi.h"

namespace zelvo::hostkit {

// The thirteen services that the plug-in calls; an empty entry is a service the host lacks.
struct ServiceTable {
  THTTPHead HTTPHead = nullptr;
  TShowMsg ShowMsg = nullptr;
  TSimpleOptions SimpleOptions = nullptr;
  TGetOption GetOption = nullptr;
  TSetOption SetOption = nullptr;
  TGetLocation GetLocation = nullptr;
  TModQuery ModQuery = nullptr;
  TShowHAWindow ShowHAWindow = nullptr;
  TGetPicSize GetPicSize = nullptr;
  TPicToArr PicToArr = nullptr;
  TArrToPic ArrToPic = nullptr;
  TSetArrLen SetArrLen = nullptr;
  TProgName ProgName = nullptr;
};

// The entry for the name, or null for a name the table does not hold.
inline THostProc LookupService(const ServiceTable& table, std::string_view name) {
  const auto proc = [](auto entry) { return reinterpret_cast<THostProc>(entry); };
  if (name == "HTTPHead") return proc(table.HTTPHead);
  if (name == "ShowMsg") return proc(table.ShowMsg);
  if (name == "SimpleOptions") return proc(table.SimpleOptions);
  if (name == "GetOption") return proc(table.GetOption);
  if (name == "SetOption") return proc(table.SetOption);
  if (name == "GetLocation") return proc(table.GetLocation);
  if (name == "ModQuery") return proc(table.ModQuery);
  if (name == "ShowHAWindow") return proc(table.ShowHAWindow);
  if (name == "GetPicSize") return proc(table.GetPicSize);
  if (name == "PicToArr") return proc(table.PicToArr);
  if (name == "ArrToPic") return proc(table.ArrToPic);
  if (name == "SetArrLen") return proc(table.SetArrLen);
  if (name == "ProgName") return proc(table.ProgName);
  return nullptr;
}

}  // namespace zelvo::hostkit
