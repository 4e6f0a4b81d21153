%!Vantrel Sorvell Text Index File
%!Version 1.00

BeginFontInfo

Version 1
Supplement 0
UIDBase 0
BeginBaseFonts 3
BaseFont 1 F0 S0 50 0
BaseFont 2 Other S9 50 0
BaseFont 3 F2 S2 50 0
EndBaseFonts
TotalCharacters 150

EndFontInfo

BeginIndexData

CID: 1 FONT: 1 GLYPH: 1
CID: 2 FONT: 2 GLYPH: 1

EndIndexData
