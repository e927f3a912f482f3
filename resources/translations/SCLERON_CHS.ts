<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="ids.128">
        <source>Scleron</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.2100">
        <source>Product Registration
Product Registration</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.2101">
        <source>Customer Feedback
Customer Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.2102">
        <source>Update Scleron to version %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.2103">
        <source>Update Kestrel to version %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.2104">
        <source>New version available!</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.32701">
        <source>Export measurements
Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.32702">
        <source>Print measurements
Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.32703">
        <source>Connect device
Connect device</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.32704">
        <source>Device settings
Device settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.32730">
        <source>Upgrade Firmware
DoDovavez</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.32733">
        <source>Save measurements
Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.32734">
        <source>Open measurements
Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.57664">
        <source>Display program information, version number and copyright
About</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.57665">
        <source>Quit the application; prompts to save measurements
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.57670">
        <source>Open the operating instructions
Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58179">
        <source>Your measurements are not yet saved!
Save measurements?</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58153">
        <source>Offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58154">
        <source>Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58155">
        <source>Connect...</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58156">
        <source>Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58157">
        <source>Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58158">
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58162">
        <source>No connection!</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58163">
        <source>Kestrel button left</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58164">
        <source>Kestrel button right</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58165">
        <source>Kestrel button down</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58166">
        <source>Search device...</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58173">
        <source>Keys locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58174">
        <source>Key unlocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58452">
        <source>Copy the selected rows to the clipboard
Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58456">
        <source>Clear the device memory
Clear device memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58466">
        <source>Check for a newer program version
Check for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61002">
        <source>Scleron needs a graphical display. Set DISPLAY (or WAYLAND_DISPLAY), or run it under xvfb-run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61003">
        <source>Scleron Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61004">
        <source>Copyright (C) the Scleron developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61005">
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61006">
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61007">
        <source>About Scleron</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61020">
        <source> BOOTLOADER!</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61021">
        <source> BOOTLOADER! Reset or Upgrade Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61022">
        <source>Downloading measurements: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61023">
        <source>No tester found. These serial ports could not be opened:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58100">
        <source>HLD Leeb D raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58101">
        <source>HLD  Leeb D</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58102">
        <source>HV    Vickers</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58103">
        <source>HB    Brinell (F=30D²)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58104">
        <source>HRC Rockwell C</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58105">
        <source>HRB Rockwell B</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58106">
        <source>HRA Rockwell A</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58107">
        <source>HS    Shore</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58108">
        <source>Rm   Tensile strenght</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58109">
        <source>HC   Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58182">
        <source>HLDL Leeb DL raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58183">
        <source>HLDL  Leeb DL</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58110">
        <source>1 Steel and cast steel</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58111">
        <source>2 Work tool steel</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58112">
        <source>3 Stainless steel</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58113">
        <source>4 Gray cast iron (GG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58114">
        <source>5 Modular cast iron (GGG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58115">
        <source>6 Cast aluminium alloys</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58116">
        <source>7 Brass</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58117">
        <source>8 Bronzes</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58118">
        <source>9 Wrought copper</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58119">
        <source>6.1 Alu-AN40 (ABB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58120">
        <source>HC1  Custom1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58121">
        <source>HC2  Custom2</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58122">
        <source>HC3  Custom3</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58123">
        <source>1 Steel / Cast Steel</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58124">
        <source>2 Treat. Steel heat tr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58125">
        <source>3 Treat. Steel untreat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58130">
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58131">
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58132">
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58133">
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58134">
        <source>Gravity component</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58135">
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58136">
        <source>Material</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58137">
        <source>Impact body</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58150">
        <source>Out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58152">
        <source>no curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61100">
        <source>m: -</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61101">
        <source>m: %0.1f %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61102">
        <source>m: %0.0f %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61103">
        <source>s: -</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61104">
        <source>s: %0.2f %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61105">
        <source>s: %0.1f %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61106">
        <source>Min: -</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61107">
        <source>Min: %0.1f %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61108">
        <source>Min: %0.0f %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61109">
        <source>Max: -</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61110">
        <source>Max: %0.1f %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61111">
        <source>Max: %0.0f %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61112">
        <source>R: -</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61113">
        <source>R: %0.1f %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61114">
        <source>R: %0.0f %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61115">
        <source>N: -</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61116">
        <source>N: %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61001">
        <source>Unable to save measurements to &quot;%1&quot;:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61400">
        <source>Memory deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61401">
        <source>No tester found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61402">
        <source>No tester answers on COM%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61403">
        <source>COM%1 could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61404">
        <source>The tester is in its boot loader. Reset it or upgrade its firmware.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61405">
        <source>The connection to the tester was lost; nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61406">
        <source>Tester: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61407">
        <source>Serial number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61408">
        <source>Firmware: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61409">
        <source>Series: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61410">
        <source>Measurements: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61411">
        <source>Saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.32733">
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.32734">
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.32701">
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.32702">
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.57665">
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.32703">
        <source>&amp;Connect device</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.32704">
        <source>&amp;Device settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.58456">
        <source>Clear device &amp;memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.32730">
        <source>&amp;DoDovavez</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.33000">
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.33001">
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.33003">
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.33004">
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.33006">
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.33007">
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.33009">
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.33011">
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.33012">
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.33013">
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.33015">
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.33016">
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.32705">
        <source>&amp;English</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.32706">
        <source>&amp;Deutsch</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.32707">
        <source>&amp;Français</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.32708">
        <source>&amp;Italiano</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.32709">
        <source>&amp;Español</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.32710">
        <source>&amp;Português</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.32711">
        <source>&amp;Russkiy yazyk</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.32713">
        <source>中文 (&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.58464">
        <source>&amp;default</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.58465">
        <source>&amp;Custom J</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.58466">
        <source>&amp;Check for updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.57670">
        <source>&amp;Help Scleron</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.2100">
        <source>Product Registration</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.2101">
        <source>Customer Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="menu.57664">
        <source>&amp;About Scleron...</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="popup.file">
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="popup.device">
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="popup.edit">
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="popup.edit.expand">
        <source>Expand</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="popup.edit.collapse">
        <source>Collapse</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="popup.edit.copy">
        <source>Copy (Ctrl+C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="popup.edit.show">
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="popup.edit.hide">
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="popup.edit.delete">
        <source>Delete (DEL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="popup.settings">
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="popup.settings.language">
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="popup.settings.standard">
        <source>&amp;Conversion standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="popup.help">
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58151">
        <source>select</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58159">
        <source>Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58160">
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58175">
        <source>Page %d of %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58176">
        <source>%c</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.58501">
        <source>Custom J</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61200">
        <source>Statistic</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61201">
        <source>Unable to save grid list</source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ids.61202">
        <source>Cannot create &quot;%1&quot;:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
