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

TEST(RawPicture, ABigEndianFileIsReadInItsOwnByteOrder) {
  PictureFolder folder;
  folder.write(
      "b.raw",
      Bytes().u32(2).u16BigEndian(2).u16BigEndian(1).u8(0).u16BigEndian(0x1234).u16BigEndian(
          0x7C00));
  IMAGE picture;
  ASSERT_EQ(picture.loadRaw(folder.directory(), "b.raw"), kStatusOk);
  EXPECT_EQ(picture.width, 2);
  EXPECT_EQ(picture.height, 1);
  EXPECT_EQ(picture.pixels[0], 0x1234);
  EXPECT_EQ(picture.pixels[1], 0x7C00);
}

TEST(RawPicture, SavedPicturesComeBackTheSameAndReuseTheirPixels) {
  PictureFolder folder;
  IMAGE saved;
  fillPicture(saved, 3, 2, 0x8001);
  ASSERT_EQ(saved.saveRaw(folder.directory(), "c.raw"), kStatusOk);
  EXPECT_EQ(folder.read("c.raw"), rawHeader(3, 2, 0)
                                      .u16(0x8001)
                                      .u16(0x8002)
                                      .u16(0x8003)
                                      .u16(0x8004)
                                      .u16(0x8005)
                                      .u16(0x8006)
                                      .str());

  IMAGE loaded;
  fillPicture(loaded, 3, 2, 0);
  const uint16_t* kept = loaded.pixels;
  ASSERT_EQ(loaded.loadRaw(folder.directory(), "c.raw"), kStatusOk);
  EXPECT_EQ(loaded.pixels, kept);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(loaded.pixels[i], saved.pixels[i]);

  // A 5-6-5 picture is written with its flag and comes back converted.
  fillPicture(saved, 1, 1, 0xFFFF, 1);
  ASSERT_EQ(saved.saveRaw(folder.directory(), "d.raw"), kStatusOk);
  ASSERT_EQ(loaded.loadRaw(folder.directory(), "d.raw"), kStatusOk);
  EXPECT_EQ(loaded.width, 1);
  EXPECT_EQ(loaded.pixels[0], 0x7FFF);
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
  const PictureSnapshot before(picture);
  for (const char* name : {"negative.raw", "zero.raw", "short.raw", "huge.raw", "header.raw"}) {
    EXPECT_EQ(picture.loadRaw(folder.directory(), name), kStatusReadFailed) << name;
    EXPECT_TRUE(before.unchanged(picture)) << name;
  }
  EXPECT_EQ(picture.loadRaw(folder.directory(), "missing.raw"), kStatusFileNotOpened);
}

TEST(RawPicture, SavingNeedsPixelsAndReportsFilesThatCannotBeWritten) {
  PictureFolder folder;
  IMAGE picture;
  EXPECT_EQ(picture.saveRaw(folder.directory(), "empty.raw"), kStatusPictureEmpty);
  EXPECT_FALSE(std::filesystem::exists(folder / "empty.raw"));
  fillPicture(picture, 4, 4, 0);
  EXPECT_EQ(picture.saveRaw(folder.directory(), "no\\such\\folder.raw"), kStatusFileNotOpened);
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

TEST(SurfaceDump, TheGreenMaskTellsFiveSixFiveFromFiveFiveFive) {
  PictureFolder folder;
  const auto dump = [](uint32_t greenMask) {
    return Bytes()
        .u32(2)
        .u32(1)
        .fill(8, 0xAA)
        .fill(20, 0)
        .u32(greenMask)
        .fill(8, 0)
        .u16(0xFFFF)
        .u16(0x07E0);
  };
  folder.write("565.dump", dump(0x07E0));
  folder.write("555.dump", dump(0x03E0));
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
  const auto dump = [](uint32_t w, uint32_t h, int words) {
    return Bytes().u32(w).u32(h).fill(40, 0).fill(2 * words, 0x11);
  };
  folder.write("wide.dump", dump(32768, 1, 4));
  folder.write("negative.dump", dump(0xFFFFFFFF, 1, 4));
  folder.write("zero.dump", dump(0, 4, 4));
  folder.write("short.dump", dump(2, 2, 3));
  folder.write("huge.dump", dump(32767, 32767, 1));
  folder.write("header.dump", Bytes().u32(1).u32(1).fill(30, 0));
  IMAGE picture;
  fillPicture(picture, 2, 2, 7);
  const PictureSnapshot before(picture);
  for (const char* name :
       {"wide.dump", "negative.dump", "zero.dump", "short.dump", "huge.dump", "header.dump"}) {
    EXPECT_EQ(picture.loadSurfaceDump(folder.directory(), name), kStatusReadFailed) << name;
    EXPECT_TRUE(before.unchanged(picture)) << name;
  }
  EXPECT_EQ(picture.loadSurfaceDump(folder.directory(), "missing.dump"), kStatusFileNotOpened);
}

}  // namespace
