<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Gyrelle</name>
    <message>
        <source>Busy</source>
        <extracomment>Accessible name of a busy spinner the application gave no name</extracomment>
        <translation>Zajęty</translation>
    </message>
</context>
</TS>
