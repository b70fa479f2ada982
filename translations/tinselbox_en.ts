<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
