#include <gtest/gtest.h>

#include "picture_files.h"
#include "platform/headless/files.h"
#include "render/image.h"
#include "render/status.h"

namespace {

Bytes rawHeader(int w, int h, int is565) {
  return Bytes().u32(0).u16s({w, h}).u8(is565);
}

TEST(RawPicture, SavedPicturesComeBackTheSame) {
  PictureFolder folder;
  IMAGE saved, loaded;
  EXPECT_EQ(saved.saveRaw(folder.directory(), "empty.raw"), kStatusPictureEmpty);
  EXPECT_FALSE(std::filesystem::exists(folder / "empty.raw"));
  fillPicture(saved, 2, 2, 0x8001);
  EXPECT_EQ(saved.saveRaw(folder.directory(), "no\\such\\folder.raw"), kStatusFileNotOpened);
  ASSERT_EQ(saved.saveRaw(folder.directory(), "b.raw"), kStatusOk);
  EXPECT_EQ(folder.read("b.raw"), rawHeader(2, 2, 0).u16s({0x8001, 0x8002, 0x8003, 0x8004}).str());

  fillPicture(loaded, 2, 2, 0);
  const uint16_t* kept = loaded.pixels;
  ASSERT_EQ(loaded.loadRaw(folder.directory(), "b.raw"), kStatusOk);
  EXPECT_EQ(loaded.pixels, kept);  // the same size reuses the pixels
  EXPECT_EQ(pixelsOf(loaded), pixelsOf(saved));
}

TEST(RawPicture, BadSizesAndShortFilesAreRefusedAndTheOldPictureKept) {
  expectRefused(&IMAGE::loadRaw, kStatusReadFailed,
                {{"negative", rawHeader(-2, 1, 0).u16s({1, 2})},
                 {"zero", rawHeader(2, 0, 0).u16s({1, 2})},
                 {"short", rawHeader(2, 2, 0).u16s({1, 2, 3})},
                 {"huge", rawHeader(32767, 32767, 0).u16(1)},
                 {"header", Bytes().u32(0).u16(2).u16(2)}});
}

// Most of a picture leaves the stream's buffer only when it is closed.
TEST(PictureSave, AFullDiskIsAWriteFailureForEveryFormat) {
  const PictureFolder folder;
  IMAGE picture;
  fillPicture(picture, 64, 64, 0);
  headless::failFileOperation(headless::FileOperation::close, "full");
  EXPECT_EQ(picture.saveRaw(folder.directory(), "full"), kStatusWriteFailed);
  EXPECT_EQ(picture.savePcx(folder.directory(), "full"), kStatusWriteFailed);
  headless::clearFileFailures();
  EXPECT_EQ(picture.savePcx(folder.directory(), "full"), kStatusOk);
}

Bytes surfaceDump(uint32_t w, uint32_t h, uint32_t greenMask) {
  return Bytes().u32(w).u32(h).fill(8, 0xAA).fill(20, 0).u32(greenMask).fill(8, 0);
}

TEST(PictureLoad, FiveSixFiveWordsAreLoadedAsFiveFiveFive) {
  PictureFolder folder;
  folder.write("a.raw", rawHeader(3, 1, 1).u16s({0xFFFF, 0x07E0, 0x001F}));
  // The green mask tells a 5-6-5 dump from a 5-5-5 one.
  folder.write("565.dump", surfaceDump(3, 1, 0x07E0).u16s({0xFFFF, 0x07E0, 0x001F}));
  folder.write("555.dump", surfaceDump(2, 1, 0x03E0).u16s({0xFFFF, 0x07E0}));
  IMAGE picture;
  const std::pair<PictureLoader, const char*> loads[] = {{&IMAGE::loadRaw, "a.raw"},
                                                         {&IMAGE::loadSurfaceDump, "565.dump"}};
  for (const auto& [load, name] : loads) {
    ASSERT_EQ((picture.*load)(folder.directory(), name), kStatusOk);
    EXPECT_EQ(shapeOf(picture), (std::vector<int>{3, 1, 0}));
    EXPECT_EQ(pixelsOf(picture), (std::vector<uint16_t>{0x7FFF, 0x03E0, 0x001F}));
  }
  ASSERT_EQ(picture.loadSurfaceDump(folder.directory(), "555.dump"), kStatusOk);
  EXPECT_EQ(pixelsOf(picture), (std::vector<uint16_t>{0xFFFF, 0x07E0}));
}

TEST(SurfaceDump, BadSizesAndShortFilesAreRefusedAndTheOldPictureKept) {
  expectRefused(&IMAGE::loadSurfaceDump, kStatusReadFailed,
                {{"wide", surfaceDump(32768, 1, 0).fill(8, 1)},
                 {"negative", surfaceDump(0xFFFFFFFF, 1, 0).fill(8, 1)},
                 {"zero", surfaceDump(0, 4, 0).fill(8, 1)},
                 {"short", surfaceDump(2, 2, 0).fill(6, 1)},
                 {"huge", surfaceDump(32767, 32767, 0).fill(2, 1)},
                 {"header", Bytes().u32(1).u32(1).fill(30, 0)}});
}

}  // namespace
