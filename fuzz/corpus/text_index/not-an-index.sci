CID: 1 FONT: 1 GLYPH: 1
nothing else here
