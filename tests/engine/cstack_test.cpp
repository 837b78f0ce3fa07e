#include "engine/cstack.h"

#include "tests/engine/engine_test_support.h"

namespace vantor::test {
namespace {

Result pop(cStack<Text>& stack)
{
    return resultOf([&] { return stack.Pop(); });
}

TEST(cStack, PopsInReverseOrderOfPushing)
{
    cStack<Text> stack;
    stack.Load();
    stack.Push(u"A");
    stack.Push(u"B");
    EXPECT_EQ(u8(stack.ViewTop()), "B");
    EXPECT_EQ(u8(stack.ViewTop()), "B");
    EXPECT_EQ(pop(stack), yields("B"));
    EXPECT_EQ(pop(stack), yields("A"));
    stack.Push(u"");
    EXPECT_EQ(pop(stack), yields(""));
}

// An emptied stack still holds its last bottom item, out of reach.
TEST(cStack, EmptyStackRaisesSubscript)
{
    cStack<Text> stack;
    stack.Load();
    EXPECT_EQ(pop(stack), faults(FaultKind::Subscript));
    stack.Push(u"A");
    stack.Push(u"B");
    stack.Load();
    EXPECT_EQ(resultOf([&] { return stack.ViewTop(); }), faults(FaultKind::Subscript));
    stack.Push(u"C");
    EXPECT_EQ(pop(stack), yields("C"));
    EXPECT_EQ(pop(stack), faults(FaultKind::Subscript));
}

TEST(cStack, HoldsAtMost32768Items)
{
    cStack<Text> stack;
    stack.Load();
    for (int i = 0; i < 32768; ++i)
        stack.Push(u"1");
    EXPECT_EQ(resultOf([&] {
                  stack.Push(u"2");
                  return Text();
              }),
              faults(FaultKind::Overflow));
    EXPECT_EQ(pop(stack), yields("1"));
}

} // namespace
} // namespace vantor::test
