%!Vantrel Sorvell Binary Index File
%!Version 1.00
BeginFontInfo

Version 1
Supplement 0
UIDBase 0
BeginBaseFonts 0
EndBaseFonts
TotalCharacters 0

EndFontInfo
BeginCharacterData 0
