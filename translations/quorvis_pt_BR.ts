<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BirthDetails</name>
    <message>
        <source>Please Enter Your Name !</source>
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
    <name>Interpretation</name>
    <message>
        <source>You will love being young all your life. But with age you will also respect the experience that you have gained through your life.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will believe in nourishing and caring the old fashioned way. To know that your family is eating and sleeping well will matter a lot to you. You will also make it a point to be financially stable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will lead a very unstable life. You may move or relocate a lot and thus find yourself at a new place every few days, months or years. You will be comfortable with technology.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will not be able to stick to a single place. You will wander through many places before you find a place that you can call your home.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People may find you arrogant and overbearing. You will be like the mother lion and expect to be respected. You will be self sacrificing for your family.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You care a lot about other people&apos;s feelings. You are more expressive in written communication than oral.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will believe in yourself and always trust people. You set yourself very high ideals and strive to stand by them. You can fight people but at the same time need a peaceful and happy atmosphere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your home is your secret hiding place where you will hide from the world. You will crave for privacy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will not live at one place. You will be religious.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will never be happy with your life if you keep looking at the bits and pieces. Learn to enjoy yourself and have a happy time with your family. You may have seen separation from one parent. You will be highly responsible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will overdo things for your family. Even if you are not in a physical or mental position to help people, you will never give up. Family will not mean a normal life but something different.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will be comfortable with people who are gentle and loving. You will also plan for the future so that others can enjoy the fruits of your labor.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeSlot</name>
    <message>
        <source>4am-6am</source>
        <extracomment>A two-hour slot of the day of birth, in the style of the language&apos;s clocks; the list is narrow.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2am-4am</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>midnight-2am</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10pm-midnight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8pm-10pm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6pm-8pm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4pm-6pm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2pm-4pm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>noon-2pm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10am-noon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8am-10am</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6am-8am</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The most popular online discussion board and the best resource for astrology and the occult on the Internet. Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZodiacSign</name>
    <message>
        <source>Aries</source>
        <extracomment>The sign&apos;s name as astrologers of the language write it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. This is what makes you comfortable in life. This stands for security and stability.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvis icon</source>
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
        <source>Opens the co-branding offer page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvis Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nadir Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Nadir Sign Is In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
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
        <source>Find My &amp;Exact Nadir…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
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
<context>
    <name>frmMain</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. Get your reading now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Of Birth:-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Of Birth:-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find My &amp;Quorvis Sign</source>
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
        <source>Find My &amp;Exact Nadir…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
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
        <source>Check for Software &amp;Update</source>
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
    <message>
        <source>Please Enter Only Alphabet !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPromotion</name>
    <message>
        <source>Quorvis icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Pellmark home page in your web browser</source>
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
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Pellmark Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Pellmark Softwares. From a single software, we have now grown to become the world’s largest resource of pellmark softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Pellmark Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Pellmark Softwares page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit Pellmark Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pellmark Softwares, such as this can be created and maintained only with your support. The best way to support Pellmark is to visit Pellmark regularly and take part in the discussions and other activities on the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Pellmark regularly. Support Pellmark by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Pellmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pellmark is a FREE online discussion forum on astrology, psychic, tarot, numerology and the occult. Visit Pellmark regularly to help us develop and maintain this software.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pellmark needs your help. All you need to do is visit Pellmark regularly and take part in the various discussions and activites to help us maintain and develop more Pellmark Softwares.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
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
</TS>
