#include "support/sample_fonts.h"

namespace sorvella::test {

std::unique_ptr<Glyph> glyphOf(const std::string& name, int16_t advance,
                               std::initializer_list<Node> nodes) {
  auto glyph = std::make_unique<Glyph>(1);
  glyph->setName(name);
  glyph->setAdvance(0, {advance, 0});
  for (const Node& n : nodes) glyph->appendNode(n);
  return glyph;
}

SubsetFont sampleFont() {
  SubsetFont font;
  SubsetFontInfo& info = font.info();
  info.setText(FontText::kFontName, "SampleSans");
  info.setText(FontText::kFullName, "Sample Sans");
  info.setText(FontText::kFamilyName, "Sample");
  info.setText(FontText::kWeight, "Bold");
  info.setText(FontText::kVersion, "001.002");
  info.setText(FontText::kNotice, "Copyright (c) 2024 Sample Type. All Rights Reserved.");
  info.setText(FontText::kCopyright, "Copyright 2024 Sample Type");
  info.versionMajor = 1;
  info.versionMinor = 2;
  info.uniqueId = 4001234;
  info.panose = {2, 11, 5, 3, 2, 2, 2, 2, 2, 4};
  info.italicAngle = -12.5;
  info.underlinePosition = -100;
  info.underlineThickness = 50;
  info.zoneCounts.blueValues = 4;
  font.master(0).privateValues.blueValues[0] = -15;
  font.master(0).privateValues.blueValues[1] = 0;
  font.master(0).privateValues.blueValues[2] = 700;
  font.master(0).privateValues.blueValues[3] = 715;
  font.master(0).privateValues.stdHW = 100;
  font.master(0).privateValues.stdVW = 88;

  font.appendSlot(
      glyphOf("A", 500, {Node::move({10, 0}), Node::line({250, 700}), Node::line({490, 0})}));
  font.appendSlot(nullptr);
  font.appendSlot(glyphOf("space", 250, {}));
  font.appendSlot(glyphOf(
      "O", 700,
      {Node::move({50, 350}), Node::curve({350, 700}, {50, 543}, {184, 700}),
       Node::curve({650, 350}, {516, 700}, {650, 543}), Node::curve({350, 0}, {650, 157}, {516, 0}),
       Node::curve({50, 350}, {184, 0}, {50, 157})}));
  auto h = glyphOf("H", 600,
                   {Node::move({50, 0}), Node::line({150, 0}), Node::line({150, 300}),
                    Node::line({450, 300}), Node::line({450, 0}), Node::line({550, 0}),
                    Node::line({550, 700}), Node::line({450, 700}), Node::line({450, 400}),
                    Node::line({150, 400}), Node::line({150, 700}), Node::line({50, 700})});
  GlyphHints hints;
  hints.horizontal.push_back(Hint{{Stem{300, 100}}});
  hints.vertical.push_back(Hint{{Stem{50, 100}}});
  hints.vertical.push_back(Hint{{Stem{450, 100}}});
  h->hints() = hints;
  font.appendSlot(std::move(h));
  font.glyph(0)->setKerning(3, -50);

  SubsetFontEncoding& encoding = font.encoding();
  encoding.number = 0;
  encoding.glyphNames[32] = "space";
  encoding.glyphNames[65] = "A";
  encoding.glyphNames[79] = "O";
  return font;
}

}  // namespace sorvella::test
