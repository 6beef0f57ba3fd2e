<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>Catalogue</name>
    <message>
        <source>This is one of the most important numbers. Sometimes it is also called the Life Direction Number. This represents who you are at birth. It gives a broad outline of the various good and bad opportunities, struggles that you may have to face throughout your life.</source>
        <translation>यह सबसे महत्वपूर्ण अंकों में से एक है। इसे कभी-कभी जीवन दिशा अंक भी कहा जाता है। यह दर्शाता है कि जन्म से आप कौन हैं। यह जीवन भर आपके सामने आने वाले अच्छे-बुरे अवसरों और संघर्षों की एक मोटी रूपरेखा देता है।</translation>
    </message>
    <message>
        <source>This describes what may happen in your middle years. It also tells you about the various talents you possess.</source>
        <translation>यह बताता है कि जीवन के मध्य वर्षों में आपके साथ क्या हो सकता है। यह आपकी अलग-अलग प्रतिभाओं के बारे में भी बताता है।</translation>
    </message>
</context>
<context>
    <name>Gemstones</name>
    <message>
        <source>Yellow Topaz</source>
        <translation>पीला टोपाज़</translation>
    </message>
    <message>
        <source>Golden Topaz</source>
        <translation>सुनहरा टोपाज़</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>माणिक</translation>
    </message>
    <message>
        <source>Cat’s Eye</source>
        <translation>लहसुनिया</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>जमुनिया</translation>
    </message>
    <message>
        <source>Light Blue Sapphire</source>
        <translation>आसमानी नीलम</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>हीरा</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>पन्ना</translation>
    </message>
    <message>
        <source>Moonstone</source>
        <translation>चंद्रकांत मणि</translation>
    </message>
    <message>
        <source>Blue Sapphire</source>
        <translation>नीलम</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>मूँगा</translation>
    </message>
</context>
<context>
    <name>LinkLabel</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation>आपके ब्राउज़र में एक वेब पेज खोलता है</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>लिंक का पता कॉपी करें (&amp;L)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
<context>
    <name>StartApplication</name>
    <message>
        <source>Application is already running</source>
        <translation>यह प्रोग्राम पहले से चल रहा है</translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>कृपया दो अलग-अलग ईमेल पते लिखें</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>कृपया सही ईमेल पता लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>कृपया अपना ईमेल पता लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>कृपया अपना संदेश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>कृपया अपने दोस्त का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>कृपया अपने दोस्त का ईमेल पता लिखें</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>आपका नाम</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>आपका ईमेल पता</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>आपका संदेश</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>दोस्त का नाम</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>दोस्त का ईमेल पता</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का नया अपडेट उपलब्ध हो सकता है।<byte value="xd"/>क्या आप अभी इसकी जाँच करना चाहेंगे?</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>कृपया अपना पहला नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>कृपया अपना कुलनाम लिखें</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>कृपया जन्म का दिन चुनें</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>कृपया जन्म का महीना चुनें</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>कृपया जन्म का वर्ष चुनें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तारीख या महीना चुनें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तारीख या महीना चुनें!</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर बैठे कारोबार का मौका। अपना इंटरनेट कारोबार शुरू करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ।</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> विवरण के लिए क्लिक करें।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 पर जाएँ</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Gemvara Result</source>
        <translation>Gemvara फलादेश</translation>
    </message>
    <message>
        <source>Lifepath Number</source>
        <translation>जीवन पथ अंक</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>महत्व</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>फलादेश</translation>
    </message>
    <message>
        <source>Birthday Number</source>
        <translation>जन्मदिन अंक</translation>
    </message>
    <message>
        <source>Gemstone For You</source>
        <translation>आपका रत्न</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>रत्न</translation>
    </message>
    <message>
        <source>More About Gemstone</source>
        <translation>रत्न के बारे में</translation>
    </message>
    <message>
        <source>Gemstone Picture</source>
        <translation>रत्न की तस्वीर</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे कारोबार का मौका। अपना इंटरनेट कारोबार शुरू करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ। विवरण के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर को अपनी साइट के लिए को-ब्रांड करें और जुड़ाव व ट्रैफ़िक बढ़ाएँ। यहाँ अपनी साइट का नाम और लिंक डालें, ब्योरा ‘सहायता’ में देखें। और जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Life path number %1</source>
        <translation>जीवन पथ अंक %1</translation>
    </message>
    <message>
        <source>Birthday number %1</source>
        <translation>जन्मदिन अंक %1</translation>
    </message>
    <message>
        <source>Gemstone: %1</source>
        <translation>रत्न: %1</translation>
    </message>
</context>
<context>
    <name>frmExitScreen</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation>आपके ब्राउज़र में एक वेब पेज खोलता है</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvanta Now</source>
        <translation>अभी ऑरवांटा की साइट पर जाएँ</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>किसी दोस्त को बताएँ</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>दोस्त को अभी बताएँ (&amp;N)</translation>
    </message>
    <message>
        <source>Download Orvanta Softwares</source>
        <translation>ऑरवांटा के प्रोग्राम डाउनलोड करें</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvanta Softwares</source>
        <translation>ऑरवांटा के सभी प्रोग्राम देखें</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ईमेल पते में खाली जगह नहीं हो सकती</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर को अपनी साइट के लिए को-ब्रांड करें और जुड़ाव व ट्रैफ़िक बढ़ाएँ। यहाँ अपनी साइट का नाम और लिंक डालें, ब्योरा ‘सहायता’ में देखें। और जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे कारोबार का मौका। अपना इंटरनेट कारोबार शुरू करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ। विवरण के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>कृपया नीचे दिया गया ब्योरा भरें:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>पहला नाम</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>बीच का नाम</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>कुलनाम</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>जन्मतिथि</translation>
    </message>
    <message>
        <source>Month of Birth</source>
        <translation>जन्म का महीना</translation>
    </message>
    <message>
        <source>Day of Birth</source>
        <translation>जन्म का दिन</translation>
    </message>
    <message>
        <source>Year of Birth</source>
        <translation>जन्म का वर्ष</translation>
    </message>
    <message>
        <source>Get My Gemvara Reading</source>
        <translation>मेरा Gemvara फलादेश देखें</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>Gemstones have a positive influence on our lives. Know more about the gemstones that are suitable for you based on numerology!</source>
        <translation>रत्नों का हमारे जीवन पर अच्छा असर होता है। अंकशास्त्र के आधार पर जानिए कि कौन-से रत्न आपके लिए सही हैं!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट पर आएँ (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाई करें (&amp;O)</translation>
    </message>
</context>
</TS>
