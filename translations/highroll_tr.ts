<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>AboutTexts</name>
    <message>
        <source>A dice game: roll a die against the computer; the higher roll scores.</source>
        <extracomment>The game in one sentence, under its name and version in the About box.</extracomment>
        <translation>Bir zar oyunu: makineye karşı zar at; yüksek atan puanı alır.</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <extracomment>The copyright line of --version and the About box. %1 is the years (&quot;2026&quot;), %2 the copyright holders (&quot;HighRoll maintainers&quot;, not translated). Keep the sign ©.</extracomment>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;%1&gt;.</source>
        <extracomment>The licence line of --version and the About box, as GNU programs word it in your language (&quot;License GPLv3+: GNU GPL version 3 or later &lt;%1&gt;.&quot;). %1 is the licence&apos;s address.</extracomment>
        <translation>GPLv3+ lisansı: GNU GPL sürüm 3 veya sonrası &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>This is free software: you are free to change and redistribute it.</source>
        <extracomment>After the licence line, as GNU programs word it.</extracomment>
        <translation>Bu özgür yazılımdır; değiştirmekte ve yeniden dağıtmakta özgürsün.</translation>
    </message>
    <message>
        <source>There is NO WARRANTY, to the extent permitted by law.</source>
        <extracomment>After the licence line, as GNU programs word it (&quot;There is NO WARRANTY, to the extent permitted by law.&quot;); the capitals are GNU&apos;s.</extracomment>
        <translation>Yasaların izin verdiği ölçüde herhangi bir GARANTİ verilmez.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Prints the program&apos;s name and version.</source>
        <extracomment>The description of -v, --version in --help.</extracomment>
        <translation>Programın adını ve sürümünü yazdırır.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <extracomment>After a mistake on the command line, on the same line. %1 is the program&apos;s name.</extracomment>
        <translation>Seçenekleri görmek için “%1 --help” komutunu dene.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>A word on the command line that is not an option. %1 is the word.</extracomment>
        <translation>Beklenmeyen argüman: “%1”.</translation>
    </message>
</context>
<context>
    <name>DisplayLossGuard</name>
    <message>
        <source>lost the display (%1): %2</source>
        <extracomment>%1 names the display (&quot;DISPLAY=:0&quot;), %2 is the reason the system gave (in English).</extracomment>
        <translation>ekran bağlantısı koptu (%1): %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>run-time error: %1</source>
        <extracomment>The line on the terminal; %1 says what went wrong (often in English: the program&apos;s own words).</extracomment>
        <translation>çalışma zamanı hatası: %1</translation>
    </message>
    <message>
        <source>The game stopped because of an internal error:

%1</source>
        <extracomment>The message box&apos;s text; %1 says what went wrong (often in English: the program&apos;s own words).</extracomment>
        <translation>Oyun bir iç hata nedeniyle durdu:

%1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>bellek yetersiz</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Roll Dice</source>
        <extracomment>The button&apos;s caption as the game opens, until the computer&apos;s first roll stops (a moment after the start). It must fit the button: about 200 pixels of a large heavy face (about 9 Latin letters, 5 CJK characters).</extracomment>
        <translation>Zar At</translation>
    </message>
    <message>
        <source>Win?</source>
        <extracomment>The result line before the first game has a result. It must fit a box about 200 pixels wide in a bold monospaced face (12 characters; 7 CJK characters).</extracomment>
        <translation>Kim kazanır?</translation>
    </message>
    <message>
        <source>You</source>
        <comment>score</comment>
        <extracomment>The player&apos;s name beside the player&apos;s score. A box of 3 letters of a bold monospaced face (2 CJK characters); the score is drawn right after it.</extracomment>
        <translation>Sen</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>score</comment>
        <extracomment>The computer&apos;s name beside the computer&apos;s score. A box of 7 letters of a bold monospaced face (4 CJK characters); the score is drawn right after it.</extracomment>
        <translation>Makine</translation>
    </message>
    <message>
        <source>Score:</source>
        <extracomment>Heads the two scores. A box of 6 characters of a bold monospaced face (3 CJK characters).</extracomment>
        <translation>Skor:</translation>
    </message>
    <message>
        <source>You</source>
        <comment>roll</comment>
        <extracomment>Heads the player&apos;s roll in the panel of rolls. A box of 8 letters of a bold monospaced face (4 CJK characters).</extracomment>
        <translation>Sen</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>roll</comment>
        <extracomment>Heads the computer&apos;s roll in the panel of rolls. A box of 9 letters of a bold monospaced face (5 CJK characters).</extracomment>
        <translation>Makine</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The button&apos;s caption whenever pressing it starts something: after the computer&apos;s roll it starts the player&apos;s die, and over a result the same button starts the next game (the computer&apos;s die rolls first). One word for both (&quot;Go&quot;, &quot;Play&quot;), not a word for throwing the player&apos;s die. Short: it must fit the button (about 200 pixels of a large heavy face). The spoken instructions name the button with this word.</extracomment>
        <translation>Başla</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The button&apos;s caption while the player&apos;s die rolls; pressing it stops the die. Short: it must fit the button. The spoken instructions name the button with this word.</extracomment>
        <translation>Dur</translation>
    </message>
    <message>
        <source>You Lose...</source>
        <extracomment>The result line when the computer rolled higher. It must fit a box about 200 pixels wide in a bold monospaced face (about 12 characters).</extracomment>
        <translation>Kaybettin...</translation>
    </message>
    <message>
        <source>You Win!!!</source>
        <extracomment>The result line when the player rolled higher. It must fit a box about 200 pixels wide in a bold monospaced face (about 12 characters).</extracomment>
        <translation>Kazandın!!!</translation>
    </message>
    <message>
        <source>It&apos;s a Tie!</source>
        <extracomment>The result line when both rolls are equal. It must fit a box about 200 pixels wide in a bold monospaced face (about 12 characters).</extracomment>
        <translation>Berabere!</translation>
    </message>
    <message>
        <source>Roll for the money</source>
        <extracomment>Window title while the computer&apos;s die rolls. The English has a small &quot;m&quot; here and a capital &quot;M&quot; in the title while the player&apos;s die rolls (&quot;Roll for the Money&quot;): the one-letter difference is the game&apos;s own; keep the two titles as alike, differing only in a small detail if your language allows it.</extracomment>
        <translation>Para için zar at</translation>
    </message>
    <message>
        <source>Roll for the Money</source>
        <extracomment>Window title while the player&apos;s die rolls. See &quot;Roll for the money&quot;, the title while the computer&apos;s die rolls: the two differ in the case of one letter.</extracomment>
        <translation>Para İçin Zar At</translation>
    </message>
    <message>
        <source>          P r e s s  Y o u r  L u c k ! ! !         </source>
        <extracomment>The text the window title scrolls while the game waits: your language&apos;s &quot;press your luck&quot;, spaced out as the English is: a space between letters, two between words, 10 spaces before and 9 after. Its length is where the scrolling wraps and the title shows 60 characters of it at a time: keep it between 30 and 60 characters (the English has 52).</extracomment>
        <translation>          Ş a n s ı n ı  d e n e ! ! !         </translation>
    </message>
    <message>
        <source>The computer rolled %1. Press %2 to roll your die.</source>
        <extracomment>Spoken when the computer&apos;s die has stopped. %1 is the computer&apos;s roll (a digit 1 to 6), %2 the button&apos;s caption &quot;Begin&quot;.</extracomment>
        <translation>Makine %1 attı. Zarını atmak için %2 düğmesine bas.</translation>
    </message>
    <message>
        <source>Your die is rolling. Press %1 to stop it.</source>
        <extracomment>Spoken as the player&apos;s die starts rolling. %1 is the button&apos;s caption &quot;Stop&quot;.</extracomment>
        <translation>Zarın dönüyor. Durdurmak için %1 düğmesine bas.</translation>
    </message>
    <message>
        <source>You rolled %1. %2 Score: computer %3, you %4. Press %5 for the next game.</source>
        <extracomment>Spoken after the player stops the die. %1 is the player&apos;s roll (a digit), %2 the result line (&quot;You Win!!!&quot;, &quot;You Lose...&quot; or &quot;It&apos;s a Tie!&quot;), %3 the computer&apos;s score, %4 the player&apos;s score (whole numbers), %5 the button&apos;s caption &quot;Begin&quot;.</extracomment>
        <translation>Sen %1 attın. %2 Skor: makine %3, sen %4. Sonraki oyun için %5 düğmesine bas.</translation>
    </message>
    <message>
        <source>The computer&apos;s die is rolling.</source>
        <extracomment>Spoken as the computer&apos;s die starts rolling; the button is hidden until it stops.</extracomment>
        <translation>Makinenin zarı dönüyor.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>How to play</source>
        <extracomment>The menu item that shows the rules and the keys (the same dialog as F1).
----------
The title of the dialog with the rules and the keys (F1, and &quot;How to play&quot; in the menu).</extracomment>
        <translation>Nasıl oynanır</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The menu item that shows the About box. %1 is the game&apos;s name, &quot;HighRoll&quot;.
----------
The title of the About box. %1 is the game&apos;s name, &quot;HighRoll&quot;.</extracomment>
        <translation>%1 hakkında</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The menu item that closes the window, as Ctrl+Q and the window&apos;s close button do.</extracomment>
        <translation>Çık</translation>
    </message>
    <message>
        <source>The computer rolls its die first. When it stops, press %1 to start your die, and %2 to stop it.</source>
        <extracomment>The rules, the first paragraph of &quot;How to play&quot;. %1 is the button&apos;s caption &quot;Begin&quot;, %2 its caption &quot;Stop&quot;.</extracomment>
        <translation>Önce makine zarını atar. Zar durunca kendi zarını başlatmak için %1, durdurmak için %2 düğmesine bas.</translation>
    </message>
    <message>
        <source>The higher roll scores 10 points; a tie scores 5 each. The scores add up for as long as the window is open.</source>
        <extracomment>The scoring, the second paragraph of &quot;How to play&quot;.</extracomment>
        <translation>Yüksek atan 10 puan alır; berabere kalınca ikisi de 5&apos;er puan alır. Puanlar pencere açık kaldıkça toplanır.</translation>
    </message>
    <message>
        <source>%1 or %2 presses the button. %3 shows this help, %4 or %5 opens the menu, and %6 quits.</source>
        <extracomment>The keys, the third paragraph of &quot;How to play&quot;. %1 and %2 are the keys that press the button (Space, Enter), %3 the key of this help (F1), %4 and %5 the keys of the menu (Menu, Shift+F10), %6 the key that quits (Ctrl+Q), each named as your keyboard names it.</extracomment>
        <translation>%1 veya %2 düğmeye basar. %3 bu yardımı gösterir, %4 veya %5 menüyü açar, %6 oyundan çıkar.</translation>
    </message>
    <message>
        <source>A screen reader says each step as it happens.</source>
        <extracomment>The last paragraph of &quot;How to play&quot;.</extracomment>
        <translation>Ekran okuyucu her adımı gerçekleştiği anda okur.</translation>
    </message>
    <message>
        <source>The licence&apos;s text is at %1.</source>
        <extracomment>The last line of the About box when no copy of the licence is installed. %1 is the licence&apos;s address on the web.</extracomment>
        <translation>Lisans metni şu adreste bulunur: %1.</translation>
    </message>
    <message>
        <source>The licence&apos;s text is in %1 and at %2.</source>
        <extracomment>The last line of the About box. %1 is the installed file with the licence&apos;s text, %2 its address on the web.</extracomment>
        <translation>Lisans metni %1 dosyasında ve şu adreste bulunur: %2.</translation>
    </message>
</context>
<context>
    <name>StartupGuard</name>
    <message>
        <source>cannot start: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>başlatılamıyor: ekran yok (ne DISPLAY ne de WAYLAND_DISPLAY ayarlı)</translation>
    </message>
    <message>
        <source>cannot start: no display could be opened (%1): %2</source>
        <extracomment>%1 names the display (&quot;DISPLAY=:0&quot;), %2 is the reason the system gave (in English).</extracomment>
        <translation>başlatılamıyor: ekran açılamadı (%1): %2</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <extracomment>The name of this catalogue&apos;s language, in that language (&quot;Deutsch&quot;, &quot;日本語&quot;). Every catalogue has it: a catalogue that cannot give it is taken as damaged and the game stays in English.</extracomment>
        <translation>Türkçe</translation>
    </message>
</context>
</TS>
