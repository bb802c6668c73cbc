#include <gtest/gtest.h>

#include "picture_files.h"
#include "render/image.h"
#include "render/status.h"

namespace {

Bytes rawHeader(int w, int h, int is565) {
  return Bytes().u32(0).u16(w).u16(h).u8(is565);
}

TEST(RawPicture, FiveSixFiveWordsAreLoadedAsFiveFiveFive) {
  PictureFolder folder;
  folder.write("a.raw", rawHeader(3, 1, 1).u16(0xFFFF).u16(0x07E0).u16(0x001F));
  IMAGE picture;
  ASSERT_EQ(picture.loadRaw(folder.directory(), "a.raw"), kStatusOk);
  EXPECT_EQ(picture.is565, 0);
  EXPECT_EQ(picture.pixels[0], 0x7FFF);
  EXPECT_EQ(picture.pixels[1], 0x03E0);
  EXPECT_EQ(picture.pixels[2], 0x001F);
}

TEST(RawPicture, SavedPicturesComeBackTheSame) {
  PictureFolder folder;
  IMAGE saved, loaded;
  EXPECT_EQ(saved.saveRaw(folder.directory(), "empty.raw"), kStatusPictureEmpty);
  EXPECT_FALSE(std::filesystem::exists(folder / "empty.raw"));
  fillPicture(saved, 2, 2, 0x8001);
  EXPECT_EQ(saved.saveRaw(folder.directory(), "no\\such\\folder.raw"), kStatusFileNotOpened);
  ASSERT_EQ(saved.saveRaw(folder.directory(), "b.raw"), kStatusOk);
  EXPECT_EQ(folder.read("b.raw"),
            rawHeader(2, 2, 0).u16(0x8001).u16(0x8002).u16(0x8003).u16(0x8004).str());

  fillPicture(loaded, 2, 2, 0);
  const uint16_t* kept = loaded.pixels;
  ASSERT_EQ(loaded.loadRaw(folder.directory(), "b.raw"), kStatusOk);
  EXPECT_EQ(loaded.pixels, kept);  // the same size reuses the pixels
  for (int i = 0; i < 4; ++i) EXPECT_EQ(loaded.pixels[i], saved.pixels[i]);
}

TEST(RawPicture, BadSizesAndShortFilesAreRefusedAndTheOldPictureKept) {
  PictureFolder folder;
  folder.write("negative.raw", rawHeader(-2, 1, 0).u16(1).u16(2));
  folder.write("zero.raw", rawHeader(2, 0, 0).u16(1).u16(2));
  folder.write("short.raw", rawHeader(2, 2, 0).u16(1).u16(2).u16(3));
  folder.write("huge.raw", rawHeader(32767, 32767, 0).u16(1));
  folder.write("header.raw", Bytes().u32(0).u16(2).u16(2));
  IMAGE picture;
  fillPicture(picture, 2, 2, 7);
  const auto before = pictureState(picture);
  for (const char* name : {"negative.raw", "zero.raw", "short.raw", "huge.raw", "header.raw"}) {
    EXPECT_EQ(picture.loadRaw(folder.directory(), name), kStatusReadFailed) << name;
    EXPECT_EQ(pictureState(picture), before) << name;
  }
  EXPECT_EQ(picture.loadRaw(folder.directory(), "missing.raw"), kStatusFileNotOpened);
}

TEST(PictureSave, AFullDiskIsAWriteFailureForEveryFormat) {
#ifdef _WIN32
  GTEST_SKIP() << "needs a device that is always full";
#endif
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no full device here";
  CurrentFolder inDevices("/dev");
  const DRIVE_PATH devices;
  IMAGE picture;
  fillPicture(picture, 64, 64, 0);
  EXPECT_EQ(picture.saveRaw(devices, "full"), kStatusWriteFailed);
  EXPECT_EQ(picture.savePcx(devices, "full"), kStatusWriteFailed);
}

Bytes surfaceDump(uint32_t w, uint32_t h, uint32_t greenMask) {
  return Bytes().u32(w).u32(h).fill(8, 0xAA).fill(20, 0).u32(greenMask).fill(8, 0);
}

TEST(SurfaceDump, TheGreenMaskTellsFiveSixFiveFromFiveFiveFive) {
  PictureFolder folder;
  folder.write("565.dump", surfaceDump(2, 1, 0x07E0).u16(0xFFFF).u16(0x07E0));
  folder.write("555.dump", surfaceDump(2, 1, 0x03E0).u16(0xFFFF).u16(0x07E0));
  IMAGE picture;
  ASSERT_EQ(picture.loadSurfaceDump(folder.directory(), "565.dump"), kStatusOk);
  EXPECT_EQ(picture.width, 2);
  EXPECT_EQ(picture.height, 1);
  EXPECT_EQ(picture.is565, 0);
  EXPECT_EQ(picture.pixels[0], 0x7FFF);
  EXPECT_EQ(picture.pixels[1], 0x03E0);
  ASSERT_EQ(picture.loadSurfaceDump(folder.directory(), "555.dump"), kStatusOk);
  EXPECT_EQ(picture.pixels[0], 0xFFFF);
  EXPECT_EQ(picture.pixels[1], 0x07E0);
}

TEST(SurfaceDump, BadSizesAndShortFilesAreRefusedAndTheOldPictureKept) {
  PictureFolder folder;
  folder.write("wide.dump", surfaceDump(32768, 1, 0).fill(8, 1));
  folder.write("negative.dump", surfaceDump(0xFFFFFFFF, 1, 0).fill(8, 1));
  folder.write("zero.dump", surfaceDump(0, 4, 0).fill(8, 1));
  folder.write("short.dump", surfaceDump(2, 2, 0).fill(6, 1));
  folder.write("huge.dump", surfaceDump(32767, 32767, 0).fill(2, 1));
  folder.write("header.dump", Bytes().u32(1).u32(1).fill(30, 0));
  IMAGE picture;
  fillPicture(picture, 2, 2, 7);
  const auto before = pictureState(picture);
  for (const char* name :
       {"wide.dump", "negative.dump", "zero.dump", "short.dump", "huge.dump", "header.dump"}) {
    EXPECT_EQ(picture.loadSurfaceDump(folder.directory(), name), kStatusReadFailed) << name;
    EXPECT_EQ(pictureState(picture), before) << name;
  }
  EXPECT_EQ(picture.loadSurfaceDump(folder.directory(), "missing.dump"), kStatusFileNotOpened);
}

}  // namespace
