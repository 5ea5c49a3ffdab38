// The window's command queue on its own: a command handed over while another
// runs (a click inside a wait) runs once, after the running one, in the order
// the commands came; and so does what a queued command hands over in turn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/gui/command_queue.h"

namespace orva::test {
namespace {

using Ran = std::vector<std::string>;

TEST(CommandQueue, CommandsHandedOverDuringOneRunOnceEachAfterItInTheirOrder) {
  CommandQueue queue;
  Ran ran;
  queue.Run([&] {
    ran.push_back("convert");
    queue.Run([&] {
      ran.push_back("convert again");
      queue.Run([&] { ran.push_back("click during the second"); });
      EXPECT_EQ(ran.back(), "convert again") << "ran inside the queued command";
      EXPECT_TRUE(queue.busy());
    });
    queue.Run([&] { ran.push_back("stop"); });
    EXPECT_EQ(ran, Ran{"convert"}) << "a command ran inside the running one";
  });
  EXPECT_EQ(ran, (Ran{"convert", "convert again", "stop", "click during the second"}));
  EXPECT_FALSE(queue.busy());

  // Idle again: the next command runs at once, and only it.
  queue.Run([&] { ran.push_back("play"); });
  EXPECT_EQ(ran.size(), 5u);
  EXPECT_EQ(ran.back(), "play");
}

}  // namespace
}  // namespace orva::test
