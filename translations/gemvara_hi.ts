<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>Catalogue</name>
    <message>
        <source>This is one of the most important numbers. Sometimes it is also called the Life Direction Number. This represents who you are at birth. It gives a broad outline of the various good and bad opportunities, struggles that you may have to face throughout your life.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This describes what may happen in your middle years. It also tells you about the various talents you possess.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gemstones</name>
    <message>
        <source>Yellow Topaz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Golden Topaz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cat’s Eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Blue Sapphire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonstone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue Sapphire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coral</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkLabel</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartApplication</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Gemvara Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lifepath Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Significance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemstone For You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More About Gemstone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemstone Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Life path number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemstone: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmExitScreen</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit Orvanta Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Orvanta Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit Orvanta Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My Gemvara Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemstones have a positive influence on our lives. Know more about the gemstones that are suitable for you based on numerology!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
