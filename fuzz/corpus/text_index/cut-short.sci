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

CID: 1:3 FONT: 1 GLYPH: 0:2
CID: 7 FONT: 2 GLY