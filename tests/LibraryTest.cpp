// The built library, loaded the way a host loads it: the eight exports under their plain names.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "ZelvoDiskTrumoAbi.h"

namespace {

std::string g_answer;
void ZT_CALL SetResultInto(const char* answer) { g_answer = answer ? answer : "<null>"; }

class Library : public testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(handle, nullptr) << dlerror(); }
  void TearDown() override {
    if (handle) dlclose(handle);
  }
  template <class F>
  F Export(const char* name) {
    return reinterpret_cast<F>(dlsym(handle, name));
  }
  void* handle = dlopen(ZT_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
};

TEST_F(Library, ExportsTheEightFunctionsByTheirPlainNames) {
  for (const char* name : {"PlgInit", "PlgDestroy", "PlgInfo", "PlgGetAbout", "PlgGetOptions",
                           "PlgGetDirectLink", "PlgOnError", "PlgOnSuccess"})
    EXPECT_NE(dlsym(handle, name), nullptr) << name;
  // The plug-in's own code stays inside.
  EXPECT_EQ(dlsym(handle, "_ZN5zelvo9GetOptionESt17basic_string_viewIcSt11char_traitsIcEES3_S3_"), nullptr);
}

TEST_F(Library, AnswersThroughTheHostItWasGiven) {
  const auto init = Export<decltype(&PlgInit)>("PlgInit");
  const auto info = Export<decltype(&PlgInfo)>("PlgInfo");
  const auto destroy = Export<decltype(&PlgDestroy)>("PlgDestroy");
  init(nullptr, nullptr, nullptr, nullptr, nullptr, &SetResultInto, 0, nullptr);
  EXPECT_EQ(g_answer, "zdisk.example/disk/\nzelvodisk.example/disk/|1359");
  info();
  EXPECT_EQ(g_answer, "Trumo|1.0 QRT");
  destroy();
  g_answer.clear();
  info();
  EXPECT_EQ(g_answer, "");
}

}  // namespace
