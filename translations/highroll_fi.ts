<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>AboutTexts</name>
    <message>
        <source>A dice game: roll a die against the computer; the higher roll scores.</source>
        <extracomment>The game in one sentence, under its name and version in the About box.</extracomment>
        <translation>Noppapeli: heitä noppaa konetta vastaan; pisteet saa se, jonka silmäluku on suurempi.</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <extracomment>The copyright line of --version and the About box. %1 is the years (&quot;2026&quot;), %2 the copyright holders (&quot;HighRoll maintainers&quot;, not translated). Keep the sign ©.</extracomment>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;%1&gt;.</source>
        <extracomment>The licence line of --version and the About box, as GNU programs word it in your language (&quot;License GPLv3+: GNU GPL version 3 or later &lt;%1&gt;.&quot;). %1 is the licence&apos;s address.</extracomment>
        <translation>Lisenssi GPLv3+: GNU GPL versio 3 tai myöhäisempi &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>This is free software: you are free to change and redistribute it.</source>
        <extracomment>After the licence line, as GNU programs word it.</extracomment>
        <translation>Tämä on vapaa ohjelma: voit vapaasti muuttaa ja jakaa sitä edelleen.</translation>
    </message>
    <message>
        <source>There is NO WARRANTY, to the extent permitted by law.</source>
        <extracomment>After the licence line, as GNU programs word it (&quot;There is NO WARRANTY, to the extent permitted by law.&quot;); the capitals are GNU&apos;s.</extracomment>
        <translation>Ohjelmalla EI OLE TAKUUTA siinä laajuudessa kuin laki sen sallii.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Prints the program&apos;s name and version.</source>
        <extracomment>The description of -v, --version in --help.</extracomment>
        <translation>Näyttää ohjelman nimen ja version.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <extracomment>After a mistake on the command line, on the same line. %1 is the program&apos;s name.</extracomment>
        <translation>Valitsimet näet komennolla ”%1 --help”.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>A word on the command line that is not an option. %1 is the word.</extracomment>
        <translation>Odottamaton argumentti ”%1”.</translation>
    </message>
</context>
<context>
    <name>DisplayLossGuard</name>
    <message>
        <source>lost the display (%1): %2</source>
        <extracomment>%1 names the display (&quot;DISPLAY=:0&quot;), %2 is the reason the system gave (in English).</extracomment>
        <translation>yhteys näyttöön katkesi (%1): %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>run-time error: %1</source>
        <extracomment>The line on the terminal; %1 says what went wrong (often in English: the program&apos;s own words).</extracomment>
        <translation>ajonaikainen virhe: %1</translation>
    </message>
    <message>
        <source>The game stopped because of an internal error:

%1</source>
        <extracomment>The message box&apos;s text; %1 says what went wrong (often in English: the program&apos;s own words).</extracomment>
        <translation>Peli pysähtyi sisäisen virheen vuoksi:

%1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>muisti loppui</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Roll Dice</source>
        <extracomment>The button&apos;s caption as the game opens, until the computer&apos;s first roll stops (a moment after the start). It must fit the button: about 200 pixels of a large heavy face (about 9 Latin letters, 5 CJK characters).</extracomment>
        <translation>Heitä</translation>
    </message>
    <message>
        <source>Win?</source>
        <extracomment>The result line before the first game has a result. It must fit a box about 200 pixels wide in a bold monospaced face (12 characters; 7 CJK characters).</extracomment>
        <translation>Voitto?</translation>
    </message>
    <message>
        <source>You</source>
        <comment>score</comment>
        <extracomment>The player&apos;s name beside the player&apos;s score. A box of 3 letters of a bold monospaced face (2 CJK characters); the score is drawn right after it.</extracomment>
        <translation>Sä</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>score</comment>
        <extracomment>The computer&apos;s name beside the computer&apos;s score. A box of 7 letters of a bold monospaced face (4 CJK characters); the score is drawn right after it.</extracomment>
        <translation>Kone</translation>
    </message>
    <message>
        <source>Score:</source>
        <extracomment>Heads the two scores. A box of 6 characters of a bold monospaced face (3 CJK characters).</extracomment>
        <translation>Tulos:</translation>
    </message>
    <message>
        <source>You</source>
        <comment>roll</comment>
        <extracomment>Heads the player&apos;s roll in the panel of rolls. A box of 8 letters of a bold monospaced face (4 CJK characters).</extracomment>
        <translation>Sinä</translation>
    </message>
    <message>
        <source>Computer</source>
        <comment>roll</comment>
        <extracomment>Heads the computer&apos;s roll in the panel of rolls. A box of 9 letters of a bold monospaced face (5 CJK characters).</extracomment>
        <translation>Kone</translation>
    </message>
    <message>
        <source>Begin</source>
        <extracomment>The button&apos;s caption whenever pressing it starts something: after the computer&apos;s roll it starts the player&apos;s die, and over a result the same button starts the next game (the computer&apos;s die rolls first). One word for both (&quot;Go&quot;, &quot;Play&quot;), not a word for throwing the player&apos;s die. Short: it must fit the button (about 200 pixels of a large heavy face). The spoken instructions name the button with this word.</extracomment>
        <translation>Aloita</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The button&apos;s caption while the player&apos;s die rolls; pressing it stops the die. Short: it must fit the button. The spoken instructions name the button with this word.</extracomment>
        <translation>Seis</translation>
    </message>
    <message>
        <source>You Lose...</source>
        <extracomment>The result line when the computer rolled higher. It must fit a box about 200 pixels wide in a bold monospaced face (about 12 characters).</extracomment>
        <translation>Hävisit...</translation>
    </message>
    <message>
        <source>You Win!!!</source>
        <extracomment>The result line when the player rolled higher. It must fit a box about 200 pixels wide in a bold monospaced face (about 12 characters).</extracomment>
        <translation>Voitit!!!</translation>
    </message>
    <message>
        <source>It&apos;s a Tie!</source>
        <extracomment>The result line when both rolls are equal. It must fit a box about 200 pixels wide in a bold monospaced face (about 12 characters).</extracomment>
        <translation>Tasapeli!</translation>
    </message>
    <message>
        <source>Roll for the money</source>
        <extracomment>Window title while the computer&apos;s die rolls. The English has a small &quot;m&quot; here and a capital &quot;M&quot; in the title while the player&apos;s die rolls (&quot;Roll for the Money&quot;): the one-letter difference is the game&apos;s own; keep the two titles as alike, differing only in a small detail if your language allows it.</extracomment>
        <translation>Heitto rahasta</translation>
    </message>
    <message>
        <source>Roll for the Money</source>
        <extracomment>Window title while the player&apos;s die rolls. See &quot;Roll for the money&quot;, the title while the computer&apos;s die rolls: the two differ in the case of one letter.</extracomment>
        <translation>Heitto Rahasta</translation>
    </message>
    <message>
        <source>          P r e s s  Y o u r  L u c k ! ! !         </source>
        <extracomment>The text the window title scrolls while the game waits: your language&apos;s &quot;press your luck&quot;, spaced out as the English is: a space between letters, two between words, 10 spaces before and 9 after. Its length is where the scrolling wraps and the title shows 60 characters of it at a time: keep it between 30 and 60 characters (the English has 52).</extracomment>
        <translation>          K o e t t e l e  o n n e a s i ! ! !         </translation>
    </message>
    <message>
        <source>The computer rolled %1. Press %2 to roll your die.</source>
        <extracomment>Spoken when the computer&apos;s die has stopped. %1 is the computer&apos;s roll (a digit 1 to 6), %2 the button&apos;s caption &quot;Begin&quot;.</extracomment>
        <translation>Kone heitti %1. Paina %2 ja heitä oma noppasi.</translation>
    </message>
    <message>
        <source>Your die is rolling. Press %1 to stop it.</source>
        <extracomment>Spoken as the player&apos;s die starts rolling. %1 is the button&apos;s caption &quot;Stop&quot;.</extracomment>
        <translation>Noppasi pyörii. Paina %1 ja pysäytä se.</translation>
    </message>
    <message>
        <source>You rolled %1. %2 Score: computer %3, you %4. Press %5 for the next game.</source>
        <extracomment>Spoken after the player stops the die. %1 is the player&apos;s roll (a digit), %2 the result line (&quot;You Win!!!&quot;, &quot;You Lose...&quot; or &quot;It&apos;s a Tie!&quot;), %3 the computer&apos;s score, %4 the player&apos;s score (whole numbers), %5 the button&apos;s caption &quot;Begin&quot;.</extracomment>
        <translation>Heitit %1. %2 Pisteet: kone %3, sinä %4. Paina %5, niin alkaa seuraava peli.</translation>
    </message>
    <message>
        <source>The computer&apos;s die is rolling.</source>
        <extracomment>Spoken as the computer&apos;s die starts rolling; the button is hidden until it stops.</extracomment>
        <translation>Koneen noppa pyörii.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>How to play</source>
        <extracomment>The menu item that shows the rules and the keys (the same dialog as F1).
----------
The title of the dialog with the rules and the keys (F1, and &quot;How to play&quot; in the menu).</extracomment>
        <translation>Peliohjeet</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The menu item that shows the About box. %1 is the game&apos;s name, &quot;HighRoll&quot;.
----------
The title of the About box. %1 is the game&apos;s name, &quot;HighRoll&quot;.</extracomment>
        <translation>Tietoja ohjelmasta %1</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The menu item that closes the window, as Ctrl+Q and the window&apos;s close button do.</extracomment>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>The computer rolls its die first. When it stops, press %1 to start your die, and %2 to stop it.</source>
        <extracomment>The rules, the first paragraph of &quot;How to play&quot;. %1 is the button&apos;s caption &quot;Begin&quot;, %2 its caption &quot;Stop&quot;.</extracomment>
        <translation>Kone heittää ensin. Kun sen noppa pysähtyy, paina %1 ja käynnistä oma noppasi; paina sitten %2 ja pysäytä se.</translation>
    </message>
    <message>
        <source>The higher roll scores 10 points; a tie scores 5 each. The scores add up for as long as the window is open.</source>
        <extracomment>The scoring, the second paragraph of &quot;How to play&quot;.</extracomment>
        <translation>Suurempi silmäluku tuo 10 pistettä; tasapelissä kumpikin saa 5. Pisteet kertyvät niin kauan kuin ikkuna on auki.</translation>
    </message>
    <message>
        <source>%1 or %2 presses the button. %3 shows this help, %4 or %5 opens the menu, and %6 quits.</source>
        <extracomment>The keys, the third paragraph of &quot;How to play&quot;. %1 and %2 are the keys that press the button (Space, Enter), %3 the key of this help (F1), %4 and %5 the keys of the menu (Menu, Shift+F10), %6 the key that quits (Ctrl+Q), each named as your keyboard names it.</extracomment>
        <translation>%1 tai %2 painaa painiketta. %3 näyttää tämän ohjeen, %4 tai %5 avaa valikon ja %6 lopettaa pelin.</translation>
    </message>
    <message>
        <source>A screen reader says each step as it happens.</source>
        <extracomment>The last paragraph of &quot;How to play&quot;.</extracomment>
        <translation>Ruudunlukija kertoo jokaisen vaiheen sitä mukaa kuin se tapahtuu.</translation>
    </message>
    <message>
        <source>The licence&apos;s text is at %1.</source>
        <extracomment>The last line of the About box when no copy of the licence is installed. %1 is the licence&apos;s address on the web.</extracomment>
        <translation>Lisenssin teksti on osoitteessa %1.</translation>
    </message>
    <message>
        <source>The licence&apos;s text is in %1 and at %2.</source>
        <extracomment>The last line of the About box. %1 is the installed file with the licence&apos;s text, %2 its address on the web.</extracomment>
        <translation>Lisenssin teksti on tiedostossa %1 ja osoitteessa %2.</translation>
    </message>
</context>
<context>
    <name>StartupGuard</name>
    <message>
        <source>cannot start: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>käynnistys ei onnistu: ei näyttöä (DISPLAY- tai WAYLAND_DISPLAY-muuttujaa ei ole asetettu)</translation>
    </message>
    <message>
        <source>cannot start: no display could be opened (%1): %2</source>
        <extracomment>%1 names the display (&quot;DISPLAY=:0&quot;), %2 is the reason the system gave (in English).</extracomment>
        <translation>käynnistys ei onnistu: näyttöä ei voitu avata (%1): %2</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <extracomment>The name of this catalogue&apos;s language, in that language (&quot;Deutsch&quot;, &quot;日本語&quot;). Every catalogue has it: a catalogue that cannot give it is taken as damaged and the game stays in English.</extracomment>
        <translation>Suomi</translation>
    </message>
</context>
</TS>
