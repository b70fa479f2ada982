<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CommandesPublication</name>
    <message numerus="yes">
        <source>The calendar is published: %n file(s) sent (%1), %2 deleted, %3 unchanged.</source>
        <translation>
            <numerusform>The calendar is published: %n file sent (%1), %2 deleted, %3 unchanged.</numerusform>
            <numerusform>The calendar is published: %n files sent (%1), %2 deleted, %3 unchanged.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LigneCommande</name>
    <message numerus="yes">
        <source>%1: cannot be generated, %n problem(s) listed above</source>
        <translation>
            <numerusform>%1: cannot be generated, %n problem listed above</numerusform>
            <numerusform>%1: cannot be generated, %n problems listed above</numerusform>
        </translation>
    </message>
</context>
</TS>
