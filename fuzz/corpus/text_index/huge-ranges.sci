%!Vantrel Sorvell Text Index File
%!Version 1.00

BeginFontInfo

Version 1
Supplement 0
UIDBase 0
BeginBaseFonts 3
BaseFont 1 F0 S0 50 0
BaseFont 2 F1 S1 50 0
BaseFont 3 F2 S2 50 0
EndBaseFonts
TotalCharacters 150

EndFontInfo

BeginIndexData

CID: 0:2147483647 FONT: 1 GLYPH: 0
CID: 10:20 FONT: 3 GLYPH: 2147483647:0
CID: 5 FONT: 2147483647 GLYPH: 0:2147483647

EndIndexData
