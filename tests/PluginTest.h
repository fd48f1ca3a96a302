// The fixture of the tests that drive the exports: a freshly loaded plug-in and a fake host.
#pragma once

#include <gtest/gtest.h>

#include "Expect.h"
#include "FakeHost.h"
#include "PluginState.h"

namespace zelvo::test {

class PluginTest : public testing::Test {
 protected:
  PluginTest() { ResetPluginState(); }
  ~PluginTest() override { EXPECT_FALSE(host.foreignReplyCallback); }
  FakeHost host;
};

}  // namespace zelvo::test
