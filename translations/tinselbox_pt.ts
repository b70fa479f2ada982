<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>BoutonJour</name>
    <message>
        <source>PHOTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to add ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FenetreEdition</name>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PHOTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the day&apos;s message here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file does not look like a picture. The page may not be able to show it. Keep it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file does not look like a piece of music. The page may not be able to play it. Keep it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file does not look like a video. The page may not be able to play it. Keep it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No preview available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 character left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 character too many</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 characters too many</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message holds an invisible control character that a calendar file cannot store. Remove it, or type the text again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FenetreNouveau</name>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters and digits, e.g. Advent2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name may hold only the letters A to Z (no accents) and the digits 0 to 9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a name for the project and a working directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a correct name for the project (must contain only letters and numbers).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the working directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A calendar with this name already exists in this directory. 
Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FenetreOptions</name>
    <message>
        <source>Calendar options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past days stay open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A visitor who missed a day can still open it later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days open in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each visitor&apos;s own clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of days:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts on:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day 1 opens on this date, day 2 the day after, and so on. Unchecked, the balls follow the days of the month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address of the published page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://example.org/calendar/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shuffle the balls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The numbers are dealt over the balls&apos; places in an order of their own, the same at every generation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish files exactly as chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy every picture, sound and video byte for byte instead of making it lighter for the web.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A time zone such as Europe/Paris makes every visitor&apos;s day change at the same midnight. These options only decide which balls the page opens: they do not hide the other days&apos; files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a time zone this computer knows.
Give a name such as Europe/Paris, or leave the field empty for each visitor’s own clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not the address of a web page.
Give the whole address, starting with https:// or http://, or leave the field empty.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FenetrePrincipale</name>
    <message>
        <source>tinselbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar options: which days the page opens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 media file cannot be found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 media files cannot be found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose these files again or clear their days, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Quit anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Create new anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Open anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening the calendar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This calendar holds days outside 1 to 31 (%1). They are neither shown nor published, and they stay in the file when you save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Their days are marked in the calendar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error saving the calendar: the file name of day %1 holds a character that a calendar file cannot store. Rename the file and choose it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error saving the calendar: its name holds a character that a calendar file cannot store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error saving the calendar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the generation directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This directory holds the calendar or its media and cannot be used for the generation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This action will erase all the contents of the directory </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Generate anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error generating the calendar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generating the calendar successfully in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generating the calendar ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This text file is empty or cannot be read:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A message holds at most %1 characters of plain text; this file cannot become one:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The content of this file is of no kind a day can hold:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These days already hold a media: %1. 
Replace them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No media file was found to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files are of no kind a day can hold and were left out:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files were given no day:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a folder to import</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Generateur</name>
    <message>
        <source>There is no calendar to generate.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GenerationSite</name>
    <message>
        <source>The directory %1 cannot be used for the generation: it holds the calendar&apos;s media, a mounted file system, or the user&apos;s home.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1 has no media file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1: %2 is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory %1 cannot be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar&apos;s template cannot be copied into %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page&apos;s scripts cannot be written in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The generation was stopped; %1 was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be read: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be copied into %3: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory %1 holds a mounted file system (%2) and cannot be replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The previous contents of %1 cannot be removed (%2): %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The previous contents of %1 cannot be replaced: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GestionnaireFichiers</name>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a calendar file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LigneCommande</name>
    <message>
        <source>Builds a web calendar of up to 31 days and generates its site.
Without an option, opens the editor, with the calendar FILE if given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A calendar project file (.xml).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --generate: the directory that receives the site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate the site of FILE into the directory DIR, without a display.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate the preview of FILE into tmp/ beside it and open it in the browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check FILE: its media, its days and the estimated site size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase a non-empty DIR that holds no generated site, instead of refusing it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --generate: print no progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no display to open the editor on; --generate and --check need none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose one of --generate, --preview and --check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--force goes with --generate or --preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quiet goes with --generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--generate needs a calendar FILE and a directory DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs one calendar FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the editor opens one calendar FILE at most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (see --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a well-formed XML file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a tinselbox calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: this directory holds the calendar or its media, or is your home directory or the root of a disk, and cannot be used for the generation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: this directory is not empty and holds no generated site; --force erases its contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generated the calendar in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a script of the site could not be written in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the directory %1 could not be created or emptied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a media file could not be copied into %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the media of day %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calendar template could not be copied into %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the generation was interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error %1 while generating into %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot generate the calendar: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not follow the calendar&apos;s schema.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Calendar “%1”: %n day(s) with a media.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Day %1: no media file given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1: missing media %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1: unreadable media %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1: outside 1 to 31, the page never shows it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated site size: %1 (%2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: cannot be generated, %n problem(s) listed above</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The calendar can be generated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the preview is ready but no browser could be started (xdg-open is missing)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Your browser cannot show this calendar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{n} numbered balls hanging above fir trees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a preview: you can click on all days to test it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day {n}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day {n}, already opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{jour}, opens on {date}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{jour}, was open on {date}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{jour}, stays shut: {mois} has {n} days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This calendar opens on {date}.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This calendar opens again on {date}.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day {n} opens in {h} h {min} min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day {n} opens in {min} min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day {n}: picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day {n}: music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day {n}: video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day {n}: {texte}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day {n}: nothing today</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Taille</name>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Traduction</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s language (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The editor speaks the chosen language the next time it starts.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
