// The history's memory bound, measured on the heap itself: this program counts every byte that
// operator new hands out and gets back, so the bound holds for what is really allocated, not
// only for what the history counts.
#include <gtest/gtest.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "core/model/EditHistory.h"

namespace {

std::atomic<long long> liveBytes{0};

void* Allocate(std::size_t size) {
  void* p = std::malloc(size > 0 ? size : 1);
  if (p) liveBytes += static_cast<long long>(malloc_usable_size(p));
  return p;
}

void Release(void* p) {
  if (!p) return;
  liveBytes -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}

}  // namespace

void* operator new(std::size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }

namespace quorvan {
namespace {

// The largest document there is, every text at its capacity, in one of two versions that
// differ in every item: a step between them is the largest step there can be.
RadioImage FullDocument(char fill) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  const auto text = [fill](std::size_t capacity) { return std::string(capacity, fill); };
  for (int slot = 0; slot < kMemorySlots; ++slot) {
    image.Store(SlotKind::Memory, slot, text(kChannelRecordCapacity));
  }
  for (int slot = 0; slot < kVfoSlots; ++slot) {
    image.Store(SlotKind::Vfo, slot, text(kChannelRecordCapacity));
  }
  for (int slot = 0; slot < kCallSlots; ++slot) {
    image.Store(SlotKind::Call, slot, text(kChannelRecordCapacity));
  }
  for (int slot = 0; slot < kDtmfSlots; ++slot)
    image.Store(SlotKind::Dtmf, slot, text(kDtmfCapacity));
  for (int slot = 0; slot < kProgramVfoSlots; ++slot) {
    image.Store(SlotKind::ProgramVfo, slot, text(kProgramVfoCapacity));
  }
  for (int item = 0; item < kMenuItemCount; ++item) {
    image.Menu().Set(item, text(MenuItemCapacity(item)));
  }
  image.SetComment(text(kCommentCapacity));
  return image;
}

TEST(EditHistoryMemory, FullDocumentStepsStayWithinSixteenMegabytesOnTheHeap) {
  const RadioImage first = FullDocument('A');
  const RadioImage second = FullDocument('B');
  RadioImage image = first;
  const long long before = liveBytes;
  {
    EditHistory history;
    history.Reset(true);
    for (int n = 0; n < 1000; ++n) {
      const RadioImage& next = n % 2 == 0 ? second : first;
      ASSERT_TRUE(history.Record("Sort by Memory Name", ImageChanges::Between(image, next)));
      image = next;
      ASSERT_LE(history.Bytes(), EditHistory::kMaxBytes) << n;
    }
    EXPECT_LE(liveBytes - before, static_cast<long long>(EditHistory::kMaxBytes));
    // What the history counts is what it holds (within the deque's own blocks).
    EXPECT_LE(liveBytes - before, static_cast<long long>(history.Bytes()) + 64 * 1024);
    // Full: it keeps as many steps as fit, the newest ones, and they still undo exactly.
    EXPECT_GT(history.StepCount(), 60u);
    EXPECT_LT(history.StepCount(), 1000u);
    EXPECT_GT(history.Bytes(), EditHistory::kMaxBytes - EditHistory::kMaxBytes / 50);
    ASSERT_TRUE(history.Undo(image));
    EXPECT_EQ(image, second);  // the 1000th step went from the second version to the first
    // Every step kept still undoes: the last one lands on the version it started from.
    std::size_t undone = 1;
    while (history.Undo(image)) ++undone;
    EXPECT_EQ(undone, history.StepCount());
    EXPECT_EQ(image, undone % 2 == 0 ? first : second);
  }
  EXPECT_EQ(liveBytes - before, 0) << "the history gave back everything it held";
}

}  // namespace
}  // namespace quorvan
