%!Vantrel Sorvell Text Index File
%!Version 1.00

BeginFontInfo

FontName Seed
Version 1
Registry Adobe
Supplement 0
UIDBase 0
XUID 3 1 2 3
BeginBaseFonts 3
BaseFont 1 F0 S0 6 0
BaseFont 2 F1 S1 6 0
BaseFont 3 F2 S2 6 0
EndBaseFonts
TotalCharacters 18

EndFontInfo

BeginIndexData

CID: 1:2 FONT: 1 GLYPH: 1:2
CID: 4:5 FONT: 1 GLYPH: 4:5
CID: 11:12 FONT: 2 GLYPH: 1:2
CID: 14:15 FONT: 2 GLYPH: 4:5
CID: 21:22 FONT: 3 GLYPH: 1:2
CID: 24:25 FONT: 3 GLYPH: 4:5
CID: 70000 FONT: 1 GLYPH: 2

EndIndexData
